#pragma once

#include <array>

namespace pitwright {

// One corner of a shell panel. x runs from the pit towards the crest, s along
// strike (0 at the near end), z points down (the negated elevation).
struct SurfaceCorner {
    double x = 0;
    int s = 0;
    double z = 0;

    bool operator==(const SurfaceCorner&) const = default;
};

// The surface code of a panel, as the Map3D ASC file carries it.
enum class SurfaceCode : int {
    Other = 0,      // pit floor, end walls, ground and wall behind the crest
    PitWallLid = 1, // the wall in the pit and the lid
    BenchTop = 4,
    BenchFace = 9,
};

// A four-cornered panel: the first corner opens it, the other three follow
// it around the rim; no corner is repeated.
struct SurfaceQuad {
    std::array<SurfaceCorner, 4> corners;
    SurfaceCode surfaceCode = SurfaceCode::Other;

    bool operator==(const SurfaceQuad&) const = default;
};

} // namespace pitwright
