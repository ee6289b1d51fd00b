#include "stability/DesignedWall.h"
#include "stability/WallStability.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace pitwright::stability {
namespace {

using testing::designedWall;

const Material kRock{26, 50, 35};

bool withinExtent(const CriticalCircle& c, const GroundRange& extent) {
    const double tolerance = 1e-9 * extent.to;
    return c.exitChainage >= extent.from - tolerance && c.entryChainage <= extent.to + tolerance;
}

TEST(WallStability, StackExtentsRunFromFootToTopOfTheirFaces) {
    const SlopeDesignState s = designedWall({7, 3, 10, 75, 3.9, 10});
    const WallGround wall = buildWallGround(s.profileX, s.profileY);
    const auto extents = stackExtents(wall, 3);
    ASSERT_EQ(extents.size(), 3u); // 3, 3 and the single top bench
    const std::pair<std::size_t, std::size_t> rows[] = {{0, 3}, {3, 6}, {6, 7}};
    for (std::size_t k = 0; k < 3; ++k) {
        const Point foot = wall.model.surface.pointAt(extents[k].from);
        const Point top = wall.model.surface.pointAt(extents[k].to);
        EXPECT_NEAR(foot.x, s.profileX(rows[k].first, 1), 1e-9) << k;
        EXPECT_NEAR(top.x, s.profileX(rows[k].second, 0), 1e-9) << k;
        EXPECT_NEAR(top.y, s.profileY(rows[k].second, 0), 1e-9) << k;
    }
    EXPECT_TRUE(stackExtents(wall, 0).empty());
}

TEST(WallStability, OverallAndWorstStackOfTheDrawnDesign) {
    const SlopeDesignState s = designedWall({});
    const WallStability r = analyseWallStability(s.profileX, s.profileY, 5, kRock, {});
    ASSERT_EQ(r.overall.status, SearchStatus::Found);
    ASSERT_EQ(r.worstStack.status, SearchStatus::Found);
    ASSERT_EQ(r.stackFactors.size(), 2u);
    // Both stacks have one shape: one search, one factor, the lower stack named.
    EXPECT_EQ(r.stackFactors[0], r.stackFactors[1]);
    EXPECT_EQ(r.worstStackIndex, 0);
    EXPECT_LE(r.overall.critical.factorOfSafety, r.worstStack.critical.factorOfSafety);

    const auto extents = stackExtents(buildWallGround(s.profileX, s.profileY), 5);
    EXPECT_TRUE(withinExtent(r.worstStack.critical, extents[0]));
    EXPECT_EQ(r.worstStack.critical.factorOfSafety, r.stackFactors[0]);
}

// Two stacks of two benches: gentle faces below, near vertical above.
TEST(WallStability, FindsTheWeakerStackAndStaysWithinIt) {
    const std::initializer_list<std::array<double, 3>> rows{
        {0, 0, 0}, {5.77, 10.77, 10}, {16.54, 26.54, 20}, {27.41, 28.41, 30}, {29.28, 29.28, 40}};
    PointRows x;
    PointRows y;
    x.assignZeros(rows.size());
    y.assignZeros(rows.size());
    std::size_t i = 0;
    for (const auto& [x0, x1, level] : rows) {
        x(i, 0) = x0;
        x(i, 1) = x1;
        y(i, 0) = level;
        y(i, 1) = level;
        ++i;
    }
    const WallStability r = analyseWallStability(x, y, 2, {26, 30, 30}, {});
    ASSERT_EQ(r.worstStack.status, SearchStatus::Found);
    EXPECT_EQ(r.worstStackIndex, 1);
    ASSERT_EQ(r.stackFactors.size(), 2u);
    EXPECT_GT(r.stackFactors[0], r.stackFactors[1]);
    const auto extents = stackExtents(buildWallGround(x, y), 2);
    EXPECT_TRUE(withinExtent(r.worstStack.critical, extents[1]));
    EXPECT_GE(r.worstStack.critical.exitPoint.y, 20 - 1e-9);
}

TEST(WallStability, RefusesBadInputWithAReason) {
    const SlopeDesignState s = designedWall({});
    WallStability r = analyseWallStability(PointRows{}, PointRows{}, 5, kRock, {});
    EXPECT_EQ(r.wallProblem, WallProblem::NotDrawn);
    EXPECT_EQ(r.overall.critical.factorOfSafety, 0);
    EXPECT_EQ(r.worstStackIndex, -1);

    r = analyseWallStability(s.profileX, s.profileY, 0, kRock, {});
    EXPECT_EQ(r.wallProblem, WallProblem::BadBenchesPerStack);

    r = analyseWallStability(s.profileX, s.profileY, 5, {0, 50, 35}, {});
    EXPECT_EQ(r.materialProblem, MaterialProblem::UnitWeightNotPositive);
    EXPECT_NE(r.overall.status, SearchStatus::Found);
    EXPECT_TRUE(r.stackFactors.empty());
}

// A stack of one plane face has no mechanism thick enough to count.
TEST(WallStability, StacksOfOneFaceHaveNoAdmissibleCircle) {
    const SlopeDesignState s = designedWall({3, 1, 10, 80, 5, 10});
    const WallStability r = analyseWallStability(s.profileX, s.profileY, 1, kRock, {});
    EXPECT_EQ(r.overall.status, SearchStatus::Found);
    EXPECT_EQ(r.worstStack.status, SearchStatus::NoAdmissibleCircle);
    EXPECT_EQ(r.worstStackIndex, -1);
    EXPECT_EQ(r.stackFactors, (std::vector<double>{0, 0, 0}));
}

// The default search against one with three times the grid on each side,
// a wider frame and more refined minima: it should miss little.
TEST(WallStability, DefaultSearchAgreesWithADenserOne) {
    SearchSettings dense;
    dense.centresAlong = 36;
    dense.centresAway = 36;
    dense.tangentLevels = 36;
    dense.refinedMinima = 24;
    dense.alongFrom = -1;
    dense.alongTo = 3.5;
    dense.awayFrom = 0.03;
    dense.awayTo = 8;
    for (const testing::WallShape& shape :
         {testing::WallShape{}, testing::WallShape{12, 4, 12, 65, 4.2, 19}}) {
        const SlopeDesignState s = designedWall(shape);
        const auto usual =
            analyseWallStability(s.profileX, s.profileY, shape.benchesPerStack, kRock, {});
        const auto fine =
            analyseWallStability(s.profileX, s.profileY, shape.benchesPerStack, kRock, dense);
        const double overall = fine.overall.critical.factorOfSafety;
        const double stack = fine.worstStack.critical.factorOfSafety;
        EXPECT_NEAR(usual.overall.critical.factorOfSafety, overall, 0.002 * overall);
        EXPECT_NEAR(usual.worstStack.critical.factorOfSafety, stack, 0.005 * stack);
    }
}

} // namespace
} // namespace pitwright::stability
