#pragma once

#include "section/SectionProfile.h"

#include <memory>

namespace pitwright::testing {

// A wall of n benches of 10 m in stacks (five by default), faces at 75
// degrees, step outs of 3.87 m and berms of 29.6 m, its profile built. On the
// heap, as the sheets refer to its profile.
inline std::unique_ptr<SlopeDesignState> steppedWall(int n, int perStack = 5) {
    auto s = std::make_unique<SlopeDesignState>();
    s->numberOfBenches = static_cast<std::int16_t>(n);
    s->benchesPerStack = static_cast<std::int16_t>(perStack);
    s->numberOfBerms = static_cast<std::int16_t>((n + perStack - 1) / perStack - 1);
    s->benchHeight = 10;
    s->benchHorizontalExtent = 10 / 3.7320508075688772;
    s->stepOutWidth = 3.87;
    s->bermWidth = 29.6;
    buildSectionProfile(*s);
    return s;
}

} // namespace pitwright::testing
