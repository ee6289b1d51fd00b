#include "export3d/DesignedSlope.h"
#include "export3d/ShellRefusal.h"
#include "export3d/ShellSizes.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

TEST(ShellSizesTest, RoundHalvesToEven) {
    EXPECT_EQ(shellSizesFor(100), (ShellSizes{250, -25, 25, 12}));
    EXPECT_EQ(shellSizesFor(30), (ShellSizes{75, -8, 8, 4}));
    EXPECT_EQ(shellSizesFor(10), (ShellSizes{25, -2, 2, 1}));
    EXPECT_EQ(shellSizesFor(0), (ShellSizes{0, 0, 0, 0}));
}

TEST(ShellSizesTest, RefusesSlopeHeightsBeyondSixteenBits) {
    EXPECT_TRUE(shellSizesFor(13106.9).has_value()); // 32767.25 still fits
    EXPECT_FALSE(shellSizesFor(13107).has_value());  // 32767.5 rounds to 32768
    EXPECT_FALSE(shellSizesFor(-13107.5).has_value());
    EXPECT_FALSE(shellSizesFor(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(Surface3DTest, PanelCountsAndGroupOrder) {
    for (int n : {0, 1, 3}) {
        const auto quads = build3DSurface(designedSlope({n, 1, 10, 5, 2, 2}));
        ASSERT_EQ(quads.size(), static_cast<std::size_t>(4 * n + 7)) << "n = " << n;
        using enum SurfaceCode;
        std::vector<SurfaceCode> expected{Other};
        expected.insert(expected.end(), static_cast<std::size_t>(2 * n), Other);
        for (int i = 0; i < n; ++i) {
            expected.push_back(BenchFace);
            expected.push_back(BenchTop);
        }
        expected.insert(expected.end(), {Other, Other, Other, Other, PitWallLid, PitWallLid});
        std::vector<SurfaceCode> codes;
        for (const auto& quad : quads) {
            codes.push_back(quad.surfaceCode);
        }
        EXPECT_EQ(codes, expected) << "n = " << n;
    }
}

TEST(Surface3DTest, ClosingPanelsSitOnTheProfileCrestWhateverTheSlopeHeight) {
    SlopeDesignState state = designedSlope({2, 1, 10, 5, 3, 3});
    state.slopeHeight = 40; // sizes from 40 m; the crest stays where the profile has it
    const auto quads = build3DSurface(state);
    const SurfaceQuad& lid = quads.back();
    const double xc = state.profileX(2, 1);
    EXPECT_EQ(xc, 13);
    EXPECT_EQ(lid.corners[0], (SurfaceCorner{xc + 10, 0, -(5 + 20.0)}));
    EXPECT_EQ(lid.corners[2], (SurfaceCorner{-10, 100, -25}));
    const SurfaceQuad& ground = quads[quads.size() - 6];
    EXPECT_EQ(ground.corners[0], (SurfaceCorner{xc, 0, -20}));
}

TEST(Surface3DTest, RefusesAProfileThatDoesNotMatchTheBenches) {
    SlopeDesignState state = designedSlope({3, 1, 10, 5, 2, 2});
    EXPECT_FALSE(shellRefusalFor(state).has_value());

    state.numberOfBenches = 4; // changed since the last calculation
    EXPECT_EQ(shellRefusalFor(state), ShellRefusal::ProfileDoesNotMatch);
    EXPECT_TRUE(build3DSurface(state).empty());

    state.numberOfBenches = -1;
    EXPECT_TRUE(shellRefusalFor(state).has_value());
    EXPECT_TRUE(build3DSurface(state).empty());

    SlopeDesignState never;
    never.numberOfBenches = 0;
    EXPECT_TRUE(shellRefusalFor(never).has_value()); // no calculation yet
}

TEST(Surface3DTest, RefusesATooHighSlopeOrAnInfiniteProfile) {
    SlopeDesignState state = designedSlope({1, 1, 10, 5, 0, 0});
    state.slopeHeight = 13107;
    EXPECT_EQ(shellRefusalFor(state), ShellRefusal::SlopeTooHigh);
    state.slopeHeight = 13106.9;
    EXPECT_FALSE(shellRefusalFor(state).has_value());
    state.slopeHeight = -13107.4; // 2.5 x H = -32768.5 rounds to the even -32768
    EXPECT_FALSE(shellRefusalFor(state).has_value());
    state.slopeHeight = -13107.5;
    EXPECT_EQ(shellRefusalFor(state), ShellRefusal::SlopeTooLow);
    state.slopeHeight = 13107;
    EXPECT_TRUE(build3DSurface(state).empty());

    state.slopeHeight = 10;
    state.profileX(1, 1) = std::numeric_limits<double>::infinity();
    EXPECT_EQ(shellRefusalFor(state), ShellRefusal::NotFinite);
}

TEST(Surface3DTest, FewerBenchesThanCalculatedUsesTheFirstRows) {
    SlopeDesignState state = designedSlope({3, 1, 10, 5, 2, 2});
    state.numberOfBenches = 2;
    ASSERT_FALSE(shellRefusalFor(state).has_value());
    const auto quads = build3DSurface(state);
    ASSERT_EQ(quads.size(), 15u);
    EXPECT_EQ(quads[quads.size() - 6].corners[0].x, state.profileX(2, 1));
}

} // namespace
} // namespace pitwright
