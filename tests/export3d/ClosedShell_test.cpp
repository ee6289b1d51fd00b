// The shell must enclose a volume: every piece of every panel edge is shared
// by exactly two panels that run along it in opposite senses.
#include "DesignedSlope.h"
#include "Surface3D.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace pitwright {
namespace {

using Point = std::tuple<double, double, double>;

Point pointOf(const SurfaceCorner& c) {
    return {c.x, static_cast<double>(c.s), c.z};
}

bool isDegenerate(const SurfaceQuad& quad) {
    std::set<Point> distinct;
    for (const auto& corner : quad.corners) {
        distinct.insert(pointOf(corner));
    }
    return distinct.size() < 4;
}

// Where p lies on the segment a->b, strictly inside it; nothing otherwise.
std::optional<double> insideSegment(const Point& a, const Point& b, const Point& p) {
    const auto [ax, ay, az] = a;
    const auto [bx, by, bz] = b;
    const auto [px, py, pz] = p;
    const double dx = bx - ax, dy = by - ay, dz = bz - az;
    const double qx = px - ax, qy = py - ay, qz = pz - az;
    const double cx = dy * qz - dz * qy, cy = dz * qx - dx * qz, cz = dx * qy - dy * qx;
    const double length2 = dx * dx + dy * dy + dz * dz;
    if (cx * cx + cy * cy + cz * cz > 1e-18 * length2 * length2) {
        return std::nullopt;
    }
    const double t = (dx * qx + dy * qy + dz * qz) / length2;
    if (t <= 1e-12 || t >= 1 - 1e-12) {
        return std::nullopt;
    }
    return t;
}

// Counts each directed piece of each panel edge, edges split at every
// corner of the shell that lies on them (the end walls meet the bench
// ledges in T-junctions).
std::map<std::pair<Point, Point>, int> directedEdgePieces(const std::vector<SurfaceQuad>& quads) {
    std::set<Point> corners;
    for (const auto& quad : quads) {
        for (const auto& corner : quad.corners) {
            corners.insert(pointOf(corner));
        }
    }
    std::map<std::pair<Point, Point>, int> pieces;
    for (const auto& quad : quads) {
        if (isDegenerate(quad)) {
            continue; // a zero-width ledge encloses nothing
        }
        for (std::size_t k = 0; k < 4; ++k) {
            const Point a = pointOf(quad.corners[k]);
            const Point b = pointOf(quad.corners[(k + 1) % 4]);
            std::map<double, Point> stops{{0.0, a}, {1.0, b}};
            for (const Point& p : corners) {
                if (auto t = insideSegment(a, b, p)) {
                    stops.emplace(*t, p);
                }
            }
            for (auto it = stops.begin(); std::next(it) != stops.end(); ++it) {
                ++pieces[{it->second, std::next(it)->second}];
            }
        }
    }
    return pieces;
}

class ClosedShellTest : public ::testing::TestWithParam<SlopeShape> {};

TEST_P(ClosedShellTest, EveryEdgeIsSharedByTwoPanelsInOppositeSenses) {
    const SlopeDesignState state = designedSlope(GetParam());
    const auto quads = build3DSurface(state);
    ASSERT_FALSE(quads.empty());

    const auto pieces = directedEdgePieces(quads);
    ASSERT_FALSE(pieces.empty());
    for (const auto& [piece, count] : pieces) {
        const auto reverse = pieces.find({piece.second, piece.first});
        EXPECT_EQ(count, 1) << "an edge piece is run along twice in the same sense";
        ASSERT_NE(reverse, pieces.end()) << "an open edge";
        EXPECT_EQ(reverse->second, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, ClosedShellTest,
                         ::testing::Values(SlopeShape{0, 1, 10, 5, 0, 0}, // toe only
                                           SlopeShape{1, 1, 10, 5, 0, 0}, // one bench
                                           SlopeShape{3, 1, 10, 5, 2, 2}, // step outs
                                           SlopeShape{6, 3, 15, 8.660254037844387, 3.5, 12.25},
                                           SlopeShape{5, 2, 12.5, 4.2, 0, 9}, // berms, no step outs
                                           SlopeShape{4, 4, 7.3, 0, 5, 5}));  // vertical faces

} // namespace
} // namespace pitwright
