#include "export3d/ShellRefusal.h"

#include "export3d/ShellSizes.h"
#include "export3d/Surface3D.h"

#include <cmath>

namespace pitwright {

std::optional<ShellRefusal> shellRefusalFor(const SlopeDesignState& state) {
    if (!profileCoversBenches(state)) {
        return ShellRefusal::ProfileDoesNotMatch;
    }
    const int n = state.numberOfBenches;
    const auto sizes = shellSizesFor(state.slopeHeight);
    if (!sizes) {
        return state.slopeHeight > 0 ? ShellRefusal::SlopeTooHigh : ShellRefusal::SlopeTooLow;
    }
    for (std::size_t i = 0; i <= static_cast<std::size_t>(n); ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            if (!std::isfinite(state.profileX(i, c)) || !std::isfinite(state.profileY(i, c))) {
                return ShellRefusal::NotFinite;
            }
        }
    }
    const auto crest = static_cast<std::size_t>(n);
    const double xb = sizes->crestMargin + state.profileX(crest, 1);
    const double zt = -(sizes->topMargin + state.profileY(crest, 1));
    if (!std::isfinite(xb) || !std::isfinite(zt)) {
        return ShellRefusal::NotFinite;
    }
    return std::nullopt;
}

} // namespace pitwright
