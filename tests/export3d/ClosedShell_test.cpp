// The shell must enclose a volume: every piece of every panel edge is shared
// by exactly two panels that run along it in opposite senses.
#include "export3d/DesignedSlope.h"
#include "export3d/Surface3D.h"
#include "support/ShellClosure.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

class ClosedShellTest : public ::testing::TestWithParam<SlopeShape> {};

TEST_P(ClosedShellTest, EveryEdgeIsSharedByTwoPanelsInOppositeSenses) {
    const SlopeDesignState state = designedSlope(GetParam());
    const auto quads = build3DSurface(state);
    ASSERT_FALSE(quads.empty());

    EXPECT_EQ(testing::whyShellIsOpen(quads), "");
}

TEST(ClosedShellCheck, FindsAMissingOrTurnedPanel) {
    const SlopeDesignState state = designedSlope({3, 1, 10, 5, 2, 2});
    auto quads = build3DSurface(state);
    auto turned = quads;
    std::swap(turned[5].corners[1], turned[5].corners[3]);
    EXPECT_NE(testing::whyShellIsOpen(turned), "");
    quads.erase(quads.begin() + 5);
    EXPECT_EQ(testing::whyShellIsOpen(quads), "an open edge");
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
