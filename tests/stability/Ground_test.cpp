#include "stability/Ground.h"

#include <gtest/gtest.h>

#include <limits>

namespace pitwright::stability {
namespace {

TEST(Ground, DropsRepeatsAndJoinsContinuingFaces) {
    const Ground g({{0, 0}, {0, 0}, {0, 5}, {0, 10}, {0, 10}, {4, 10}, {4, 10}});
    ASSERT_TRUE(g.usable());
    EXPECT_EQ(g.points(), (std::vector<Point>{{0, 0}, {0, 10}, {4, 10}}));
    EXPECT_EQ(g.length(), 14);
    EXPECT_EQ(g.chainage(1), 10);
    EXPECT_EQ(g.height(), 10);
}

TEST(Ground, RefusesWhatIsNoSurface) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    using enum GroundProblem;
    EXPECT_EQ(Ground().problem(), TooFewPoints);
    EXPECT_EQ(Ground({{1, 1}, {1, 1}}).problem(), TooFewPoints);
    EXPECT_EQ(Ground({{0, 0}, {kNaN, 1}}).problem(), NotFinite);
    EXPECT_EQ(Ground({{0, 0}, {2e8, 1}}).problem(), TooLarge);
    EXPECT_EQ(Ground({{0, 0}, {5, 5}, {4, 6}}).problem(), RunsBackwards);
    EXPECT_EQ(Ground({{0, 0}, {0, 10}, {0, 4}, {3, 4}}).problem(), FoldsBack);
    EXPECT_EQ(Ground({{0, 3}, {10, 3}}).problem(), Flat);
    EXPECT_TRUE(Ground({{0, 0}, {0, -10}, {5, -10}}).usable()); // a face down is no fold
}

TEST(Ground, PointsAlongTheSurfaceAndClipping) {
    const Ground g({{-10, 0}, {0, 0}, {3, 4}, {13, 4}});
    EXPECT_EQ(g.pointAt(-1), (Point{-10, 0}));
    EXPECT_EQ(g.pointAt(12.5), (Point{1.5, 2}));
    EXPECT_EQ(g.pointAt(99), (Point{13, 4}));

    const Ground part = g.clipped(5, 17);
    EXPECT_EQ(part.points(), (std::vector<Point>{{-5, 0}, {0, 0}, {3, 4}, {5, 4}}));
    EXPECT_EQ(part.length(), 12);
    EXPECT_FALSE(g.clipped(3, 3).usable());
}

TEST(Ground, FirmBaseMustLieAtOrBelowTheLowestPoint) {
    const Ground g({{0, 0}, {3, 4}});
    EXPECT_EQ(checkGroundModel({g, {}}), GroundProblem::None);
    EXPECT_EQ(checkGroundModel({g, 0.0}), GroundProblem::None);
    EXPECT_EQ(checkGroundModel({g, 0.5}), GroundProblem::FirmBaseAboveGround);
    EXPECT_EQ(checkGroundModel({g, std::numeric_limits<double>::infinity()}),
              GroundProblem::NotFinite);
    EXPECT_EQ(checkGroundModel({Ground({{0, 0}, {3, 0}}), {}}), GroundProblem::Flat);
}

} // namespace
} // namespace pitwright::stability
