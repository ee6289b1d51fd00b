// The catch berm against the modified Ritchie criterion, and the steepest
// inter-ramp angle that still leaves the berm it asks.
#include "checks/CatchBermCheck.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

// Slope height 100, bench height 10, 5 benches per stack, stack angle 60.
CatchBermDesign twoStacks(double overallAngle, InterRampConvention convention) {
    CatchBermDesign design;
    design.slopeHeight = 100;
    design.benchHeight = 10;
    design.benchesPerStack = 5;
    design.numberOfStacks = 2;
    design.numberOfBerms = 1;
    design.stackAngle = 60;
    design.stackHorizontalExtent = stackHorizontalExtentFor(5, 10, 60);
    design.convention = convention;
    design.bermWidth = bermWidthFor(slopeHorizontalExtentFor(100, overallAngle), 2,
                                    design.stackHorizontalExtent, 1, convention);
    return design;
}

TEST(CatchBermCheck, AWideBermMeetsTheCriterion) {
    const CatchBermCheck check = checkCatchBerm(twoStacks(45, InterRampConvention::CrestToToe));
    ASSERT_FALSE(check.notApplicable);
    EXPECT_DOUBLE_EQ(check.requiredWidth, 0.2 * 50 + 4.5);
    EXPECT_EQ(formatRounded(check.margin, 2), "27.76");
    EXPECT_TRUE(check.meets);
    ASSERT_TRUE(check.steepestInterRampAngle);
    EXPECT_EQ(formatRounded(*check.steepestInterRampAngle, 1), "54.2");
}

// At the steepest angle the berm relation gives exactly the required width,
// in either convention.
TEST(CatchBermCheck, TheSteepestAngleGivesTheRequiredBerm) {
    for (const auto convention : {InterRampConvention::CrestToToe, InterRampConvention::ToeToToe}) {
        const CatchBermCheck check = checkCatchBerm(twoStacks(40, convention));
        ASSERT_TRUE(check.steepestInterRampAngle);
        const CatchBermDesign atSteepest = twoStacks(*check.steepestInterRampAngle, convention);
        EXPECT_NEAR(atSteepest.bermWidth, check.requiredWidth, 1e-6);
    }
    EXPECT_EQ(
        formatRounded(
            *checkCatchBerm(twoStacks(40, InterRampConvention::ToeToToe)).steepestInterRampAngle,
            1),
        "49.1");
}

TEST(CatchBermCheck, ANarrowBermFallsShort) {
    const CatchBermCheck check = checkCatchBerm(twoStacks(57, InterRampConvention::CrestToToe));
    EXPECT_FALSE(check.meets);
    EXPECT_LT(check.margin, 0);
    EXPECT_EQ(formatRounded(*check.steepestInterRampAngle, 1), "54.2");
}

TEST(CatchBermCheck, OneStackOrAStackAngleOfNothingIsNotChecked) {
    CatchBermDesign oneStack = twoStacks(45, InterRampConvention::CrestToToe);
    oneStack.numberOfStacks = 1;
    oneStack.numberOfBerms = 0;
    EXPECT_EQ(checkCatchBerm(oneStack).notApplicable, CatchBermNotApplicable::NoCatchBerm);
    CatchBermDesign flat = twoStacks(45, InterRampConvention::CrestToToe);
    flat.stackAngle = 0.4;
    EXPECT_EQ(checkCatchBerm(flat).notApplicable,
              CatchBermNotApplicable::StackAngleComputesNothing);
}

} // namespace
} // namespace pitwright
