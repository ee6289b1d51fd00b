#include "export3d/ShellSizes.h"

#include "model/NumberText.h"

namespace pitwright {

std::optional<ShellSizes> shellSizesFor(double slopeHeight) {
    const auto strikeLength = toCount16(2.5 * slopeHeight);
    // From -H/4 itself, not the negated crest margin; with halves to even the
    // two agree in size anyway.
    const auto pitSideX = toCount16(-slopeHeight / 4);
    const auto crestMargin = toCount16(slopeHeight / 4);
    const auto topMargin = toCount16(slopeHeight / 8);
    if (!strikeLength || !pitSideX || !crestMargin || !topMargin) {
        return std::nullopt;
    }
    return ShellSizes{*strikeLength, *pitSideX, *crestMargin, *topMargin};
}

} // namespace pitwright
