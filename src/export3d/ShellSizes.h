#pragma once

#include <cstdint>
#include <optional>

namespace pitwright {

// The four sizes of the 3D shell, whole metres as 16-bit integers.
struct ShellSizes {
    std::int16_t strikeLength = 0; // length of the sweep along strike
    std::int16_t pitSideX = 0;     // x of the vertical wall in the pit
    std::int16_t crestMargin = 0;  // from the crest to the wall behind it
    std::int16_t topMargin = 0;    // height of the lid above the crest

    bool operator==(const ShellSizes&) const = default;
};

// Each size rounded half to even from the slope height; nothing when one of
// them leaves the 16-bit range (a slope height of 13107 m or more).
std::optional<ShellSizes> shellSizesFor(double slopeHeight);

} // namespace pitwright
