#include "export3d/ShellRefusal.h"

#include "export3d/ShellSizes.h"

#include <cmath>

namespace pitwright {

std::optional<ShellRefusal> shellRefusalFor(const SlopeDesignState& state) {
    const int n = state.numberOfBenches;
    if (n < 0 || state.profileX.rows() <= static_cast<std::size_t>(n) ||
        state.profileY.rows() <= static_cast<std::size_t>(n)) {
        return ShellRefusal::ProfileDoesNotMatch;
    }
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
