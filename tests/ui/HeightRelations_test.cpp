#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

using HeightRelations = WindowFixture;

TEST_F(HeightRelations, OpensTheBenchHeightOnceTheSlopeHeightIsNotZero) {
    EXPECT_FALSE(enabled(txtBenchHeight));
    enter(txtSlopeHeight, "100");
    EXPECT_TRUE(enabled(txtBenchHeight));
    EXPECT_TRUE(enabled(lblBenchHeight));
    enter(txtSlopeHeight, "0");
    EXPECT_FALSE(enabled(txtBenchHeight));
    EXPECT_TRUE(enabled(lblBenchHeight));
}

TEST_F(HeightRelations, ABenchHeightLocksTheSlopeHeightAndOpensTheCounts) {
    enter(txtSlopeHeight, "100");
    enter(txtBenchHeight, "10");
    EXPECT_FALSE(enabled(txtSlopeHeight));
    for (ControlId id : {lblNumberBenches, txtNumberBenches, lblBenchesPerStack, txtBenchesPerStack,
                         lblNumberStepOuts, txtNumberStepOuts}) {
        EXPECT_TRUE(enabled(id)) << controlSpec(id).name;
    }
    window.focusGained(txtBenchesPerStack);
    enter(txtBenchHeight, "");
    EXPECT_TRUE(enabled(txtSlopeHeight));
    EXPECT_FALSE(enabled(txtBenchesPerStack));
    EXPECT_EQ(text(txtNumberBenches), "");
    EXPECT_EQ(text(txtNumberStepOuts), "");
}

TEST_F(HeightRelations, EnteringBenchesPerStackDerivesTheBenchCount) {
    enter(txtSlopeHeight, "100");
    enter(txtBenchHeight, "10");
    window.focusGained(txtBenchesPerStack);
    EXPECT_EQ(text(txtNumberBenches), "10");
    EXPECT_EQ(text(txtNumberStepOuts), "9");
    EXPECT_EQ(text(txtSlopeHeight), "100");
}

TEST_F(HeightRelations, RaisesTheSlopeToWholeBenchesNeverDown) {
    for (const char* slope : {"104", "105", "100.5"}) {
        window.cmdResetValues_Click();
        enter(txtSlopeHeight, slope);
        enter(txtBenchHeight, "10");
        window.focusGained(txtBenchesPerStack);
        EXPECT_EQ(text(txtNumberBenches), "11") << slope;
        EXPECT_EQ(text(txtNumberStepOuts), "10") << slope;
        EXPECT_EQ(text(txtSlopeHeight), "110") << slope;
        EXPECT_TRUE(enabled(txtBenchHeight)) << slope;
        EXPECT_EQ(window.state().slopeHeight, 110);
    }
}

TEST_F(HeightRelations, SelectsTheWholeTextOnFocusAfterTheDerivation) {
    enter(txtSlopeHeight, "100");
    enter(txtBenchHeight, "10");
    window.controls().setText(txtBenchesPerStack, "");
    window.focusGained(txtBenchesPerStack);
    enter(txtBenchesPerStack, "5");
    window.focusGained(txtSlopeHeight);
    window.focusGained(txtBenchesPerStack);
    EXPECT_EQ(window.controls()[txtBenchesPerStack].selStart, 0);
    EXPECT_EQ(window.controls()[txtBenchesPerStack].selLength, 1);
}

TEST_F(HeightRelations, RaisesTheSlopeToWholeStacks) {
    enterHeights("100", "10", "3");
    EXPECT_EQ(text(txtNumberStacks), "4");
    EXPECT_EQ(text(txtNumberBerms), "3");
    EXPECT_EQ(text(txtNumberBenches), "12");
    EXPECT_EQ(text(txtNumberStepOuts), "11");
    EXPECT_EQ(text(txtSlopeHeight), "120");
    EXPECT_EQ(window.state().stepOutsPerStack, 2);
    EXPECT_FALSE(enabled(txtBenchHeight));
}

TEST_F(HeightRelations, LeavesADesignOfWholeStacksAlone) {
    enterHeights("120", "10", "3");
    EXPECT_EQ(text(txtNumberStacks), "4");
    EXPECT_EQ(text(txtNumberBerms), "3");
    EXPECT_EQ(text(txtNumberBenches), "12");
    EXPECT_EQ(text(txtSlopeHeight), "120");
}

TEST_F(HeightRelations, OneBenchPerStackMakesEveryBenchAStack) {
    enterHeights("100", "10", "1");
    EXPECT_EQ(window.state().stepOutsPerStack, 0);
    EXPECT_EQ(text(txtNumberStacks), "10");
    EXPECT_EQ(text(txtNumberBerms), "9");
}

TEST_F(HeightRelations, AStackTallerThanTheSlopeGrowsTheSlope) {
    enterHeights("100", "10", "15");
    EXPECT_EQ(text(txtNumberStacks), "1");
    EXPECT_EQ(text(txtNumberBerms), "0");
    EXPECT_EQ(text(txtNumberBenches), "15");
    EXPECT_EQ(text(txtSlopeHeight), "150");
}

TEST_F(HeightRelations, RewritesFractionalBenchesPerStackAsWholeNumbers) {
    enterHeights("100", "10", "2.6");
    EXPECT_EQ(text(txtBenchesPerStack), "3");
    EXPECT_EQ(text(txtNumberStacks), "4");
    EXPECT_EQ(text(txtSlopeHeight), "120");

    window.cmdResetValues_Click();
    enter(txtSlopeHeight, "100");
    enter(txtBenchHeight, "10");
    typeKeys(txtBenchesPerStack, "2.");
    EXPECT_EQ(text(txtBenchesPerStack), "2");
    EXPECT_EQ(text(txtNumberStacks), "5");
}

TEST_F(HeightRelations, OpensTheInterRampStageOfTheSelectedConvention) {
    enterHeights("100", "10", "5");
    EXPECT_TRUE(enabled(fraSlopeAngles));
    EXPECT_TRUE(available(txtCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtToeToToeSlopeAngle));
    EXPECT_FALSE(enabled(lblToeToToeSlopeAngle));
    EXPECT_TRUE(enabled(txtSlopeHorizontalExtent));
    EXPECT_FALSE(enabled(optCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(optToeToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtBenchHeight));
    EXPECT_FALSE(enabled(txtNumberBenches));

    window.cmdResetValues_Click();
    selectToeToToe();
    enterHeights("100", "10", "5");
    EXPECT_TRUE(enabled(txtToeToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtCrestToToeSlopeAngle));
}

TEST_F(HeightRelations, EmptyingBenchesPerStackGoesBackButKeepsTheConventionFixed) {
    enterHeights("100", "10", "5");
    enter(txtBenchesPerStack, "");
    EXPECT_EQ(text(txtNumberStacks), "");
    EXPECT_EQ(text(txtNumberBerms), "");
    EXPECT_TRUE(enabled(txtBenchHeight));
    EXPECT_FALSE(enabled(txtCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtToeToToeSlopeAngle));
    EXPECT_FALSE(enabled(optCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(optToeToToeSlopeAngle));
}

// Counts the program cannot hold are left alone, with a note in the comment
// line rather than a box that would interrupt typing.
TEST_F(HeightRelations, LeavesCountsAloneWhenBenchesPerStackRoundsToZero) {
    enterHeights("100", "10", "5");
    for (const char* perStack : {"0.3", "0.5", "-0.5", "1e-300"}) {
        enter(txtBenchesPerStack, perStack);
        EXPECT_EQ(text(txtBenchesPerStack), perStack);
        EXPECT_EQ(text(txtNumberStacks), "2") << perStack;
        EXPECT_EQ(text(txtNumberBerms), "1") << perStack;
        EXPECT_EQ(window.state().benchesPerStack, 5) << perStack;
        EXPECT_NE(text(txtComment).find("left unchanged"), std::string::npos);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(HeightRelations, NeverStoresAWrappedCount) {
    enter(txtSlopeHeight, "400000");
    enter(txtBenchHeight, "10");
    window.focusGained(txtBenchesPerStack);
    EXPECT_EQ(text(txtNumberBenches), "");
    EXPECT_EQ(window.state().numberOfBenches, 0);
    EXPECT_NE(text(txtComment).find("left unchanged"), std::string::npos);

    window.cmdResetValues_Click();
    enterHeights("327670", "10", "32767"); // 32767 benches
    EXPECT_EQ(text(txtNumberBenches), "32767");
    EXPECT_EQ(text(txtNumberStacks), "1");
    enter(txtBenchesPerStack, "2"); // would need 32768 benches
    EXPECT_EQ(text(txtNumberBenches), "32767");
    EXPECT_EQ(window.state().numberOfBenches, 32767);
    enter(txtBenchesPerStack, "40000");
    EXPECT_EQ(text(txtBenchesPerStack), "40000");
    EXPECT_EQ(window.state().benchesPerStack, 32767);
}

// A refused bench count leaves the old count on show; benches per stack must
// not raise the new slope by it.
TEST_F(HeightRelations, ARefusedBenchCountRaisesNothing) {
    enterHeights("100", "10", "5");
    enter(txtBenchesPerStack, "");
    enter(txtBenchHeight, "0.001"); // 100,000 benches
    window.focusGained(txtBenchesPerStack);
    window.userEditedText(txtBenchesPerStack, "3");
    EXPECT_EQ(text(txtSlopeHeight), "100");
    EXPECT_EQ(text(txtNumberBenches), "10");
    EXPECT_EQ(text(txtNumberStacks), "");
    EXPECT_NE(text(txtComment).find("left unchanged"), std::string::npos);

    enter(txtBenchesPerStack, "");
    enter(txtBenchHeight, "20"); // a count again: 5 benches
    enter(txtBenchesPerStack, "3");
    EXPECT_EQ(text(txtNumberStacks), "2");
    EXPECT_EQ(text(txtSlopeHeight), "120");
}

TEST_F(HeightRelations, SurvivesHugeAndOddHeights) {
    for (const char* slope : {"1e400", "-1e400", "1e-400", "1e308", "-0", ".", "1e", "\x01\x02"}) {
        for (const char* bench : {"1e400", "1e-320", "-3", "10"}) {
            window.cmdResetValues_Click();
            enterHeights(slope, bench, "3");
            for (ControlId id : {txtSlopeHeight, txtNumberBenches, txtNumberStepOuts,
                                 txtNumberStacks, txtNumberBerms}) {
                EXPECT_EQ(text(id).find("inf"), std::string::npos);
                EXPECT_EQ(text(id).find("nan"), std::string::npos);
            }
        }
    }
}

TEST_F(HeightRelations, UsesNegativeHeightsAsTyped) {
    // -10 benches in stacks of 3: the quotient -3 is truncated towards zero
    // and the stack count rounded up from it.
    enterHeights("-100", "10", "3");
    EXPECT_EQ(text(txtNumberStacks), "-2");
    EXPECT_EQ(text(txtNumberBerms), "-3");
    EXPECT_EQ(text(txtNumberBenches), "-6");
    EXPECT_EQ(text(txtSlopeHeight), "-60");
}

} // namespace
} // namespace pitwright::testing
