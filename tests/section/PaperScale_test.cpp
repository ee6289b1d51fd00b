#include "section/PaperScale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pitwright {
namespace {

TEST(PaperScale, ChoosesTheNextRoundRatio) {
    EXPECT_EQ(roundScaleAtLeast(0.2), 1);
    EXPECT_EQ(roundScaleAtLeast(1), 1);
    EXPECT_EQ(roundScaleAtLeast(1.1), 2);
    EXPECT_EQ(roundScaleAtLeast(11), 15); // 1:12.5 is no whole ratio
    EXPECT_EQ(roundScaleAtLeast(101), 125);
    EXPECT_EQ(roundScaleAtLeast(255), 300);
    EXPECT_EQ(roundScaleAtLeast(1000), 1000);
    EXPECT_EQ(roundScaleAtLeast(1000.5), 1250);
    EXPECT_EQ(roundScaleAtLeast(6001), 7500);
    EXPECT_EQ(roundScaleAtLeast(7501), 10000);
    EXPECT_EQ(roundScaleAtLeast(2.09e6), 2.5e6);
    EXPECT_EQ(roundScaleAtLeast(1e15), 1e15);
    EXPECT_EQ(roundScaleAtLeast(1.1e15), 0);
    EXPECT_EQ(roundScaleAtLeast(INFINITY), 0);
    EXPECT_EQ(roundScaleAtLeast(NAN), 0);
}

TEST(PaperScale, ChoosesTheLongestRoundBarThatFits) {
    // 60 mm at 1:300 is 18 m; at 1:2,500,000 it is 150 km.
    EXPECT_EQ(scaleBarLength(0.3, 60), 10);
    EXPECT_EQ(scaleBarLength(2500, 60), 100000);
    EXPECT_EQ(scaleBarLength(1, 50), 50);
    EXPECT_EQ(scaleBarLength(1, 49.9), 20);
    EXPECT_EQ(scaleBarLength(0.001, 60), 0.05);
    EXPECT_EQ(scaleBarLength(0, 60), 0);
}

} // namespace
} // namespace pitwright
