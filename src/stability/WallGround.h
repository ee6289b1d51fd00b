#pragma once

#include "model/SlopeDesignState.h"
#include "stability/Ground.h"

#include <array>
#include <vector>

namespace pitwright::stability {

enum class WallProblem {
    None,
    NotDrawn,      // no profile rows: the design has not been drawn
    NoBenches,     // the profile is the toe alone
    RowsMismatch,  // x and y rows differ in number
    NotFinite,     // a coordinate is not a finite number
    TooLarge,      // a coordinate beyond kLargestCoordinate
    RunsBackwards, // x decreases along the profile, or a face turns back on itself
    NoHeight,      // the crest is not above the toe
    BadBenchesPerStack,
};

// Length of the flat pit floor in front of the toe, and of the flat ground
// behind the crest, in slope heights.
inline constexpr double kFlatGroundInSlopeHeights = 2.0;

// The ground model of a designed wall: the pit floor, flat at the toe's
// level for two slope heights in front of the toe; the profile from the toe
// to the crest; flat ground at the crest's level for two slope heights
// behind it. Rock continues below the floor (no firm base), so a circle may
// pass below the floor and leave through it in front of the toe.
struct WallGround {
    WallProblem problem = WallProblem::NotDrawn;
    GroundModel model;
    double slopeHeight = 0;
    // Chainage along model.surface of each profile point (row, column).
    std::vector<std::array<double, 2>> profileChainage;
};

WallGround buildWallGround(const PointRows& profileX, const PointRows& profileY);

} // namespace pitwright::stability
