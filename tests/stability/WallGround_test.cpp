#include "stability/DesignedWall.h"
#include "stability/WallGround.h"

#include <gtest/gtest.h>

#include <limits>

namespace pitwright::stability {
namespace {

using testing::designedWall;

TEST(WallGround, FlatFloorAndBackTwiceTheHeightLongWithRockBelow) {
    const SlopeDesignState s = designedWall({});
    const WallGround wall = buildWallGround(s.profileX, s.profileY);
    ASSERT_EQ(wall.problem, WallProblem::None);
    EXPECT_EQ(wall.slopeHeight, 100);
    EXPECT_FALSE(wall.model.firmBase.has_value());

    const auto& p = wall.model.surface.points();
    const double crestX = s.profileX(10, 0);
    ASSERT_EQ(p.size(), 2u * 10 + 2); // toe and crest rows hold one point each
    EXPECT_EQ(p.front(), (Point{-200, 0}));
    EXPECT_EQ(p[1], (Point{0, 0}));
    EXPECT_EQ(p[p.size() - 2], (Point{crestX, 100}));
    EXPECT_EQ(p.back(), (Point{crestX + 200, 100}));

    // Each profile point where its chainage says.
    for (std::size_t i = 0; i <= 10; ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            const Point at = wall.model.surface.pointAt(wall.profileChainage[i][c]);
            EXPECT_NEAR(at.x, s.profileX(i, c), 1e-9) << i << ", " << c;
            EXPECT_NEAR(at.y, s.profileY(i, c), 1e-9) << i << ", " << c;
        }
    }
}

TEST(WallGround, NamesWhatIsWrongWithTheProfile) {
    using enum WallProblem;
    SlopeDesignState s = designedWall({2, 1, 10, 75, 3, 8});
    EXPECT_EQ(buildWallGround(PointRows{}, PointRows{}).problem, NotDrawn);

    PointRows oneRow;
    oneRow.assignZeros(1);
    EXPECT_EQ(buildWallGround(oneRow, oneRow).problem, NoBenches);
    EXPECT_EQ(buildWallGround(s.profileX, oneRow).problem, RowsMismatch);

    PointRows x = s.profileX;
    x(1, 1) = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(buildWallGround(x, s.profileY).problem, NotFinite);
    x = s.profileX;
    x(1, 1) = x(1, 0) - 1;
    EXPECT_EQ(buildWallGround(x, s.profileY).problem, RunsBackwards);
    x = s.profileX;
    x(2, 0) = 1e9;
    x(2, 1) = 1e9;
    EXPECT_EQ(buildWallGround(x, s.profileY).problem, TooLarge);

    PointRows y = s.profileY;
    y(2, 0) = 0;
    y(2, 1) = 0;
    EXPECT_EQ(buildWallGround(s.profileX, y).problem, NoHeight);
    const SlopeDesignState flat = designedWall({2, 1, 0, 75, 3, 8});
    EXPECT_EQ(buildWallGround(flat.profileX, flat.profileY).problem, NoHeight);
}

} // namespace
} // namespace pitwright::stability
