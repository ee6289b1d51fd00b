#pragma once

#include "section/SectionProfile.h"

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
    SlopeDesignState s;
    s.numberOfBenches = static_cast<std::int16_t>(shape.benches);
    s.benchesPerStack = static_cast<std::int16_t>(shape.benchesPerStack);
    s.numberOfStacks = static_cast<std::int16_t>((shape.benches + shape.benchesPerStack - 1) /
                                                 shape.benchesPerStack);
    s.numberOfBerms = static_cast<std::int16_t>(s.numberOfStacks - 1);
    s.benchHeight = shape.benchHeight;
    s.slopeHeight = shape.benches * shape.benchHeight;
    s.benchHorizontalExtent =
        shape.benchHeight / std::tan(shape.faceAngle * std::numbers::pi / 180);
    s.stepOutWidth = shape.stepOut;
    s.bermWidth = shape.berm;
    buildSectionProfile(s);
    return s;
}

} // namespace pitwright::stability::testing
