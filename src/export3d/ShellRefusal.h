#pragma once

#include "model/SlopeDesignState.h"

#include <optional>

namespace pitwright {

// Why the profile cannot be swept into a shell.
enum class ShellRefusal : unsigned char {
    ProfileDoesNotMatch, // fewer profile rows than the benches need
    SlopeTooHigh,        // the strike length 2.5 x H would not fit 16 bits
    SlopeTooLow,         // the same for a slope height below -13107.4 m
    NotFinite,           // a coordinate or a shell corner beyond the double range
};

// Nothing when the shell can be built: it needs the profile rows
// 0..numberOfBenches, finite coordinates, and the four shell sizes within
// 16 bits, which holds for slope heights from -13107.4 m up to, not
// including, 13107 m.
std::optional<ShellRefusal> shellRefusalFor(const SlopeDesignState& state);

} // namespace pitwright
