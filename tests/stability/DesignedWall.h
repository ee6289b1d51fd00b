#pragma once

#include "export3d/DesignedSlope.h"

#include <cmath>
#include <numbers>

namespace pitwright::stability::testing {

struct WallShape {
    int benches = 10;
    int benchesPerStack = 5;
    double benchHeight = 10;
    double faceAngle = 75; // degrees
    double stepOut = 3.9;
    double berm = 10;
};

// The profile of a consistent design, as the drawing command builds it.
inline SlopeDesignState designedWall(const WallShape& shape) {
    const double benchExtent =
        shape.benchHeight / std::tan(shape.faceAngle * std::numbers::pi / 180);
    return designedSlope({shape.benches, shape.benchesPerStack, shape.benchHeight, benchExtent,
                          shape.stepOut, shape.berm});
}

} // namespace pitwright::stability::testing
