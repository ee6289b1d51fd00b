#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

constexpr const char* kStackAngleError =
    "The stack slope angle cannot be smaller than the Crest-to-toe or inter-ramp slope angle";
constexpr const char* kBenchAngleError = "The bench angle cannot be smaller than the stack angle";

class AngleRelations : public WindowFixture {
protected:
    // 100 m of 10 m benches, 5 to a stack: 10 benches, 2 stacks, 1 berm.
    void twoStacks() { enterHeights("100", "10", "5"); }
};

TEST_F(AngleRelations, DerivesExtentsWidthsAndTheToeToToeAngle) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "100");
    EXPECT_TRUE(enabled(txtStackAngle));
    EXPECT_FALSE(enabled(txtBenchesPerStack));

    enter(txtStackAngle, "60");
    EXPECT_EQ(text(txtStackHorizontalExtend), "28.87");
    EXPECT_EQ(text(txtBermWidth), "42.26");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "35.1");
    EXPECT_TRUE(available(txtBenchAngle));
    EXPECT_FALSE(enabled(txtCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtToeToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtSlopeHorizontalExtent));
    EXPECT_FALSE(enabled(cmdCalcAndDraw));

    enter(txtBenchAngle, "75");
    EXPECT_EQ(text(txtBenchHorizontalExtend), "2.68");
    EXPECT_EQ(text(txtStepOutWidth), "3.87");
    EXPECT_TRUE(enabled(cmdCalcAndDraw));
    EXPECT_FALSE(enabled(txtStackAngle));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AngleRelations, ToeToToeDividesTheBermsByOneMore) {
    selectToeToToe();
    twoStacks();
    enter(txtToeToToeSlopeAngle, "40");
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "119.175");
    enter(txtStackAngle, "60");
    EXPECT_EQ(text(txtBermWidth), "30.72");
    EXPECT_EQ(text(txtCrestToToeSlopeAngle), "48.5");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "40");
}

TEST_F(AngleRelations, OneStackHasNoBermAndNoOtherAngle) {
    enterHeights("100", "10", "10");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "50");
    EXPECT_EQ(text(txtBermWidth), "0");
    EXPECT_EQ(text(txtStackHorizontalExtend), "0");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "");
    EXPECT_EQ(window.state().bermWidth, 0);
    EXPECT_NEAR(window.state().stackHorizontalExtent, 83.91, 0.01);
}

TEST_F(AngleRelations, OneBenchPerStackCopiesTheStackAngleToTheBench) {
    enterHeights("100", "10", "1");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "50");
    EXPECT_FALSE(enabled(txtBenchAngle));
    EXPECT_TRUE(enabled(cmdCalcAndDraw));
    window.focusGained(cmdCalcAndDraw);
    EXPECT_EQ(text(txtBenchAngle), "50");
    EXPECT_EQ(text(txtStepOutWidth), "0");
    EXPECT_EQ(text(txtBenchHorizontalExtend), "0");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AngleRelations, RaisesAStackAngleBelowTheInterRampAngle) {
    enterHeights("100", "10", "10");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "40");
    window.focusGained(txtBenchAngle);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kStackAngleError);
    EXPECT_EQ(platform.messages[0].title, "Angle error");
    EXPECT_EQ(text(txtStackAngle), "45");
    EXPECT_EQ(window.controls()[txtBenchAngle].selLength, 0);
}

TEST_F(AngleRelations, CopiesTheLargerInterRampTextIntoTheStackAngle) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "40");
    EXPECT_EQ(text(txtBermWidth), "-19.18");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "51.1");
    window.focusGained(txtBenchAngle);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kStackAngleError);
    EXPECT_EQ(text(txtStackAngle), "51.1");
    EXPECT_EQ(text(txtBermWidth), "19.31");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "40");
}

TEST_F(AngleRelations, RaisesABenchAngleBelowTheStackAngle) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "55");
    window.focusGained(cmdCalcAndDraw);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kBenchAngleError);
    EXPECT_EQ(platform.messages[0].title, "Angle error");
    EXPECT_EQ(text(txtBenchAngle), "60");
}

TEST_F(AngleRelations, EqualAnglesPassBothChecksSilently) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "45");
    enter(txtBenchAngle, "45");
    window.focusGained(cmdCalcAndDraw);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AngleRelations, AnUprightBenchHasNoHorizontalExtent) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "90");
    EXPECT_EQ(window.state().benchHorizontalExtent, 0);
    EXPECT_EQ(text(txtBenchHorizontalExtend), "0");
}

TEST_F(AngleRelations, ATinyStackAngleOpensTheBenchStageWithoutExtents) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    for (const char* tiny : {"0.3", "0.5"}) {
        enter(txtStackAngle, tiny);
        EXPECT_EQ(text(txtStackHorizontalExtend), "") << tiny;
        EXPECT_EQ(text(txtBermWidth), "") << tiny;
        EXPECT_TRUE(enabled(txtBenchAngle)) << tiny;
    }
    enter(txtStackAngle, "0.6");
    EXPECT_NE(text(txtStackHorizontalExtend), "");
}

TEST_F(AngleRelations, ZeroingTheLatestAngleGoesBackOneStage) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "75");
    enter(txtBenchAngle, "");
    EXPECT_TRUE(enabled(txtStackAngle));
    EXPECT_EQ(text(txtStepOutWidth), "");
    EXPECT_FALSE(enabled(txtStepOutWidth));
    enter(txtStackAngle, "0");
    EXPECT_TRUE(enabled(txtCrestToToeSlopeAngle));
    EXPECT_FALSE(enabled(txtBenchAngle));
    EXPECT_EQ(text(txtBermWidth), "");
    // The derived toe-to-toe angle still stands, so the stage stays open.
    enter(txtCrestToToeSlopeAngle, "");
    EXPECT_TRUE(enabled(txtStackAngle));
}

TEST_F(AngleRelations, ZeroingBothInterRampAnglesReopensBenchesPerStack) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtCrestToToeSlopeAngle, "");
    EXPECT_FALSE(enabled(txtStackAngle));
    EXPECT_TRUE(enabled(txtBenchesPerStack));
    EXPECT_TRUE(enabled(txtNumberStacks));
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "");
}

TEST_F(AngleRelations, ConventionClicksChangeOnlyTheCaptionAndComment) {
    selectToeToToe();
    EXPECT_EQ(text(lblSlopeHorizontalExtent), "Inter-ramp horizontal (m):");
    EXPECT_EQ(text(txtComment),
              "Measured from ramp bottom toe to upper toe (or bottom crest to upper crest)");
    window.clicked(optCrestToToeSlopeAngle);
    EXPECT_EQ(text(lblSlopeHorizontalExtent), "Crest-to-toe horizontal (m):");
    EXPECT_EQ(text(txtComment), "Measured from the slope toe to the slope crest");
}

// Emptying the selected inter-ramp angle while the other is derived makes the
// tangent 0: the extent and its field stay as they were.
TEST_F(AngleRelations, AZeroTangentLeavesTheExtentAlone) {
    twoStacks();
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    enter(txtStackAngle, "");
    enter(txtCrestToToeSlopeAngle, "");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "35.1");
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "100");
    EXPECT_NEAR(window.state().slopeHorizontalExtent, 100, 1e-9);
}

// Toe-to-toe 45 with a stack angle of -45 makes the run under the derived
// crest-to-toe angle exactly 0: that field is left as it was, not "90".
TEST_F(AngleRelations, AZeroDenominatorLeavesTheOtherAngleAlone) {
    selectToeToToe();
    twoStacks();
    enter(txtToeToToeSlopeAngle, "45");
    enter(txtStackAngle, "-45");
    EXPECT_EQ(window.state().slopeHorizontalExtent, window.state().bermWidth);
    EXPECT_EQ(text(txtCrestToToeSlopeAngle), "");
    EXPECT_EQ(text(txtBermWidth), "100");
}

TEST_F(AngleRelations, NoFieldEverShowsInfinityOrNotANumber) {
    const char* odd[] = {"1e400", "-1e400", "0", "90", "180", "-90", "1e-400", "abc", "45"};
    for (const char* inter : odd) {
        for (const char* stack : odd) {
            window.cmdResetValues_Click();
            twoStacks();
            enter(txtCrestToToeSlopeAngle, inter);
            enter(txtStackAngle, stack);
            window.focusGained(txtBenchAngle);
            enter(txtBenchAngle, stack);
            window.focusGained(cmdCalcAndDraw);
            for (const ControlSpec& row : mainWindowControls()) {
                if (row.kind != ControlKind::TextBox || row.id == txtComment) {
                    continue;
                }
                const std::string& shown = text(row.id);
                EXPECT_EQ(shown.find("inf"), std::string::npos) << row.name << " " << inter;
                EXPECT_EQ(shown.find("nan"), std::string::npos) << row.name << " " << inter;
            }
        }
    }
}

} // namespace
} // namespace pitwright::testing
