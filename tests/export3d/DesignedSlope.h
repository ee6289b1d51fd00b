#pragma once

#include "section/SectionProfile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pitwright {

struct SlopeShape {
    int benches;
    int benchesPerStack;
    double benchHeight;
    double benchExtent;
    double stepOut;
    double berm;
};

// A design as the relations leave it, with its profile built; a slope
// without benches keeps the height of one, so that its shell has a size.
inline SlopeDesignState designedSlope(const SlopeShape& shape) {
    SlopeDesignState state;
    state.numberOfBenches = static_cast<std::int16_t>(shape.benches);
    state.benchesPerStack = static_cast<std::int16_t>(shape.benchesPerStack);
    state.numberOfStacks = static_cast<std::int16_t>((shape.benches + shape.benchesPerStack - 1) /
                                                     shape.benchesPerStack);
    state.numberOfBerms = static_cast<std::int16_t>(std::max(0, state.numberOfStacks - 1));
    state.benchHeight = shape.benchHeight;
    state.slopeHeight = std::max(1, shape.benches) * shape.benchHeight;
    state.benchHorizontalExtent = shape.benchExtent;
    state.stepOutWidth = shape.stepOut;
    state.bermWidth = shape.berm;
    EXPECT_TRUE(buildSectionProfile(state));
    return state;
}

} // namespace pitwright
