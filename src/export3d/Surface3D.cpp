#include "export3d/Surface3D.h"

#include "export3d/ShellSizes.h"

namespace pitwright {
bool profileCoversBenches(const SlopeDesignState& state) {
    const int n = state.numberOfBenches;
    return n >= 0 && state.profileX.rows() > static_cast<std::size_t>(n) &&
           state.profileY.rows() > static_cast<std::size_t>(n);
}

std::vector<SurfaceQuad> build3DSurface(const SlopeDesignState& state) {
    std::vector<SurfaceQuad> quads;
    const auto sizes = shellSizesFor(state.slopeHeight);
    if (!sizes || !profileCoversBenches(state)) {
        return quads;
    }
    const int n = state.numberOfBenches;
    const PointRows& X = state.profileX;
    const PointRows& Y = state.profileY;
    const int L = sizes->strikeLength;
    const double xp = sizes->pitSideX;
    const auto crest = static_cast<std::size_t>(n);
    const double xc = X(crest, 1);
    const double yc = Y(crest, 1);
    const double xb = sizes->crestMargin + xc;
    const double zf = -Y(0, 1);
    const double zc = -yc;
    const double zt = -(sizes->topMargin + yc);

    using enum SurfaceCode;
    quads.reserve(4 * static_cast<std::size_t>(n) + 7);
    auto add = [&quads](SurfaceCode code, SurfaceCorner a, SurfaceCorner b, SurfaceCorner c,
                        SurfaceCorner d) {
        quads.push_back({{a, b, c, d}, code});
    };

    add(Other, {X(0, 1), 0, zf}, {xp, 0, zf}, {xp, L, zf}, {X(0, 1), L, zf});

    for (std::size_t i = 1; i <= crest; ++i) {
        const double zLow = -Y(i - 1, 1);
        const double zHigh = -Y(i, 0);
        add(Other, {X(i - 1, 1), 0, zLow}, {X(i, 0), 0, zHigh}, {xp, 0, zHigh}, {xp, 0, zLow});
    }
    for (std::size_t i = 1; i <= crest; ++i) {
        const double zLow = -Y(i - 1, 1);
        const double zHigh = -Y(i, 0);
        add(Other, {X(i, 0), L, zHigh}, {X(i - 1, 1), L, zLow}, {xp, L, zLow}, {xp, L, zHigh});
    }
    for (std::size_t i = 1; i <= crest; ++i) {
        const double zToe = -Y(i - 1, 1);
        const double zTop = -Y(i, 0);
        const double zLedgeEnd = -Y(i, 1);
        add(BenchFace, {X(i - 1, 1), 0, zToe}, {X(i - 1, 1), L, zToe}, {X(i, 0), L, zTop},
            {X(i, 0), 0, zTop});
        add(BenchTop, {X(i, 0), 0, zTop}, {X(i, 0), L, zTop}, {X(i, 1), L, zLedgeEnd},
            {X(i, 1), 0, zLedgeEnd});
    }

    add(Other, {xc, 0, zc}, {xc, L, zc}, {xb, L, zc}, {xb, 0, zc});
    add(Other, {xb, 0, zc}, {xb, L, zc}, {xb, L, zt}, {xb, 0, zt});
    add(Other, {xb, 0, zc}, {xb, 0, zt}, {xp, 0, zt}, {xp, 0, zc});
    add(Other, {xb, L, zt}, {xb, L, zc}, {xp, L, zc}, {xp, L, zt});
    add(PitWallLid, {xp, 0, zf}, {xp, 0, zt}, {xp, L, zt}, {xp, L, zf});
    add(PitWallLid, {xb, 0, zt}, {xb, L, zt}, {xp, L, zt}, {xp, 0, zt});
    return quads;
}

} // namespace pitwright
