#pragma once

#include "model/SlopeDesignState.h"

namespace pitwright::testing {

// The small wall the drawing is checked on: four benches of 10 m, two per
// stack, faces 5 m across, step outs 3 m and one catchment berm of 8 m. Its
// profile is not built yet.
inline SlopeDesignState fourBenchWall() {
    SlopeDesignState state;
    state.numberOfBenches = 4;
    state.benchesPerStack = 2;
    state.numberOfBerms = 1;
    state.benchHeight = 10;
    state.benchHorizontalExtent = 5;
    state.stepOutWidth = 3;
    state.bermWidth = 8;
    return state;
}

} // namespace pitwright::testing
