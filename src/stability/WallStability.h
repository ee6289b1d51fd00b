#pragma once

#include "model/SlopeDesignState.h"
#include "stability/CircleSearch.h"
#include "stability/Material.h"
#include "stability/WallGround.h"

#include <vector>

namespace pitwright::stability {

// Stack k (0 the lowest) holds benches k * benchesPerStack + 1 up to
// (k + 1) * benchesPerStack, or up to the top bench. Its extent runs along
// the surface from the foot of its lowest face, profile point
// (k * benchesPerStack, 1), to the top of its highest face, point
// (min((k + 1) * benchesPerStack, n), 0): its step outs are inside, the
// catch berms below and above it are not.
std::vector<GroundRange> stackExtents(const WallGround& wall, int benchesPerStack);

struct WallStability {
    WallProblem wallProblem = WallProblem::None;
    MaterialProblem materialProblem = MaterialProblem::None;

    // The least factor of safety over every circle through the wall, those
    // of the stack searches included (overallFromStack says when one of
    // them gave it).
    SearchResult overall;
    bool overallFromStack = false;

    // The least factor over circles that enter and leave within one stack's
    // extent, and which stack that is (-1 when none was found; among equal
    // stacks the lowest). Stacks of the same shape, to a micrometre, share
    // one search.
    SearchResult worstStack;
    int worstStackIndex = -1;
    std::vector<double> stackFactors; // per stack, 0 where none was found
};

// The overall and the worst-stack factor of safety of the wall whose
// profile the rows hold, on the ground model of buildWallGround.
WallStability analyseWallStability(const PointRows& profileX, const PointRows& profileY,
                                   int benchesPerStack, const Material& material,
                                   const SearchSettings& settings);

} // namespace pitwright::stability
