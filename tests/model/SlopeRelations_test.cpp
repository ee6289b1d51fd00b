// The slope relations on their own, case by case: the worked designs, the
// edges and the refusals.
#include "model/NumberText.h"
#include "model/SlopeRelations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pitwright {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct BenchCountCase {
    double slope, bench;
    int benches;
    bool raised;
    double raisedSlope;
};

TEST(SlopeRelations, BenchCountsAreRaisedToWholeBenchesNeverDown) {
    const BenchCountCase cases[] = {
        {100, 10, 10, false, 0},    {104, 10, 11, true, 110},    {105, 10, 11, true, 110},
        {100.5, 10, 11, true, 110}, {10, 10, 1, false, 0},       {3, 10, 1, true, 10},
        {-100, -10, 10, false, 0},  {-104, 10, -10, true, -100}, {327670, 10, 32767, false, 0},
    };
    for (const auto& c : cases) {
        const BenchCountResult result = benchCountFor(c.slope, c.bench);
        ASSERT_FALSE(result.refusal) << c.slope << " / " << c.bench;
        EXPECT_EQ(result.count.benches, c.benches) << c.slope << " / " << c.bench;
        EXPECT_EQ(result.count.stepOuts, c.benches - 1);
        EXPECT_EQ(result.count.raised, c.raised) << c.slope << " / " << c.bench;
        if (c.raised) {
            ASSERT_TRUE(result.count.raisedSlopeHeight);
            EXPECT_EQ(*result.count.raisedSlopeHeight, c.raisedSlope);
        }
    }
}

TEST(SlopeRelations, BenchCountsBeyondSixteenBitsAreRefused) {
    for (const auto& [slope, bench] : {std::pair{327680.0, 10.0},
                                       {327671.0, 10.0},
                                       {kInfinity, 10.0},
                                       {-327690.0, 10.0},
                                       {1.0, 1e-300}}) {
        EXPECT_EQ(benchCountFor(slope, bench).refusal, CountRefusal::BenchCountBeyondRange)
            << slope << " / " << bench;
    }
    // -32768 benches would leave -32769 step outs.
    EXPECT_EQ(benchCountFor(-327680, 10).refusal, CountRefusal::BenchCountBeyondRange);
}

TEST(SlopeRelations, BenchesPerStackRoundHalfToEvenAndNeverToZero) {
    EXPECT_EQ(benchesPerStackFor(2.6).benchesPerStack, 3);
    EXPECT_EQ(benchesPerStackFor(2.5).benchesPerStack, 2);
    EXPECT_EQ(benchesPerStackFor(1).stepOutsPerStack, 0);
    EXPECT_EQ(benchesPerStackFor(-3).benchesPerStack, -3); // taken as typed
    for (double refused : {0.3, 0.5, -0.5, 32767.5, -32768.0, kInfinity, std::nan("")}) {
        EXPECT_EQ(benchesPerStackFor(refused).refusal, CountRefusal::PerStackNotCountable)
            << refused;
    }
}

struct StackCase {
    int benches, perStack;
    int stacks, berms;
    bool raised;
    int raisedBenches;
};

TEST(SlopeRelations, StacksAreWholeAndRaiseTheBenches) {
    const StackCase cases[] = {
        {10, 5, 2, 1, false, 10},  {10, 3, 4, 3, true, 12},  {12, 3, 4, 3, false, 12},
        {10, 1, 10, 9, false, 10}, {10, 15, 1, 0, true, 15}, {32767, 7, 4681, 4680, false, 32767},
    };
    for (const auto& c : cases) {
        const StackCountsResult result = stackCountsFor(c.benches, c.perStack);
        ASSERT_FALSE(result.refusal) << c.benches << " by " << c.perStack;
        EXPECT_EQ(result.counts.stacks, c.stacks) << c.benches << " by " << c.perStack;
        EXPECT_EQ(result.counts.berms, c.berms);
        EXPECT_EQ(result.counts.raised, c.raised);
        EXPECT_EQ(result.counts.benches, c.raisedBenches);
        EXPECT_EQ(result.counts.stepOuts, c.raisedBenches - 1);
    }
    // Whole stacks of 2 take 32,767 benches to 32,768.
    EXPECT_EQ(stackCountsFor(32767, 2).refusal, CountRefusal::StackCountsBeyondRange);
    EXPECT_EQ(slopeHeightOfBenches(12, 10), 120);
    EXPECT_FALSE(slopeHeightOfBenches(32767, 1e308));
}

// Slope height 100, bench height 10, 5 benches per stack: two stacks, one berm.
TEST(SlopeRelations, TheCrestToToeDesign) {
    const double overall = slopeHorizontalExtentFor(100, 45);
    EXPECT_EQ(formatRounded(overall, 3), "100");
    const double stack = stackHorizontalExtentFor(5, 10, 60);
    EXPECT_EQ(formatRounded(stack, 2), "28.87");
    const double berm = bermWidthFor(overall, 2, stack, 1, InterRampConvention::CrestToToe);
    EXPECT_EQ(formatRounded(berm, 2), "42.26");
    EXPECT_EQ(formatRounded(
                  *otherInterRampAngleFor(100, overall, berm, InterRampConvention::CrestToToe), 1),
              "35.1");
    const double bench = benchHorizontalExtentFor(10, 75);
    EXPECT_EQ(formatRounded(bench, 2), "2.68");
    EXPECT_EQ(formatRounded(stepOutWidthFor(stack, 5, bench, 4), 2), "3.87");
}

// The same design measured toe-to-toe at 40: the berms share one more.
TEST(SlopeRelations, TheToeToToeDesign) {
    const double overall = slopeHorizontalExtentFor(100, 40);
    EXPECT_EQ(formatRounded(overall, 3), "119.175");
    const double stack = stackHorizontalExtentFor(5, 10, 60);
    const double berm = bermWidthFor(overall, 2, stack, 1, InterRampConvention::ToeToToe);
    EXPECT_EQ(formatRounded(berm, 2), "30.72");
    EXPECT_EQ(formatRounded(
                  *otherInterRampAngleFor(100, overall, berm, InterRampConvention::ToeToToe), 1),
              "48.5");
}

TEST(SlopeRelations, AnglesThatCannotBeBuiltGiveNegativeWidths) {
    const double overall = slopeHorizontalExtentFor(100, 45);
    const double stack = stackHorizontalExtentFor(5, 10, 40);
    const double berm = bermWidthFor(overall, 2, stack, 1, InterRampConvention::CrestToToe);
    EXPECT_EQ(formatRounded(berm, 2), "-19.18");
    EXPECT_EQ(formatRounded(
                  *otherInterRampAngleFor(100, overall, berm, InterRampConvention::CrestToToe), 1),
              "51.1");
    EXPECT_LT(stepOutWidthFor(stackHorizontalExtentFor(5, 10, 60), 5,
                              benchHorizontalExtentFor(10, 55), 4),
              0);
}

TEST(SlopeRelations, EdgesOfTheAngles) {
    // A face of 90 degrees, or steeper, has no horizontal run.
    EXPECT_EQ(benchHorizontalExtentFor(10, 90), 0);
    EXPECT_EQ(benchHorizontalExtentFor(10, 120), 0);
    EXPECT_EQ(benchHorizontalExtentFor(0.001, 45), 0); // below 0.01 m
    // A stack angle that rounds to 0 computes nothing.
    EXPECT_FALSE(stackAngleComputes(0.3));
    EXPECT_FALSE(stackAngleComputes(0.5));
    EXPECT_TRUE(stackAngleComputes(0.6));
    // A zero tangent gives no finite extent; a zero run no angle.
    EXPECT_FALSE(std::isfinite(slopeHorizontalExtentFor(100, 0)));
    EXPECT_FALSE(otherInterRampAngleFor(100, 50, -50, InterRampConvention::CrestToToe));
    EXPECT_FALSE(otherInterRampAngleFor(100, 50, 50, InterRampConvention::ToeToToe));
}

TEST(SlopeRelations, TheAngleChecksAllowEqualAngles) {
    EXPECT_FALSE(stackAngleTooSmall(45, 0, 45));
    EXPECT_TRUE(stackAngleTooSmall(45, 0, 40));
    EXPECT_TRUE(stackAngleTooSmall(45, 51.1, 50));
    EXPECT_EQ(largerInterRampAngle(45, 51.1), InterRampConvention::ToeToToe);
    EXPECT_EQ(largerInterRampAngle(45, 45), InterRampConvention::ToeToToe);
    EXPECT_EQ(largerInterRampAngle(45, 0), InterRampConvention::CrestToToe);
    EXPECT_FALSE(benchAngleTooSmall(60, 60));
    EXPECT_TRUE(benchAngleTooSmall(60, 55));
}

} // namespace
} // namespace pitwright
