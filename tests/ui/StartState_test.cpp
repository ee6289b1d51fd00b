#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

class StartState : public WindowFixture {
protected:
    void completeDesign() {
        enterHeights("100", "10", "5");
        enter(txtCrestToToeSlopeAngle, "45");
        enter(txtStackAngle, "60");
        enter(txtBenchAngle, "75");
        window.clicked(cmdCalcAndDraw);
    }

    void expectStartState() {
        for (ControlId field : kResetFields) {
            EXPECT_EQ(text(field), "") << controlSpec(field).name;
            EXPECT_EQ(enabled(field), field == txtSlopeHeight) << controlSpec(field).name;
        }
        EXPECT_TRUE(enabled(fraSlopeHeightDimensions));
        EXPECT_FALSE(enabled(fraSlopeAngles));
        EXPECT_FALSE(enabled(fraSlopeWidthDimensions));
        EXPECT_TRUE(enabled(optCrestToToeSlopeAngle));
        EXPECT_TRUE(enabled(optToeToToeSlopeAngle));
        EXPECT_TRUE(enabled(lblSlopeHeight));
        EXPECT_FALSE(enabled(lblBenchHeight));
        EXPECT_FALSE(enabled(lblBenchHorizontalExtend));
        for (ControlId command : kCommandsClosedAtStart) {
            EXPECT_FALSE(enabled(command)) << controlSpec(command).name;
        }
        EXPECT_TRUE(enabled(cmdResetValues));
    }
};

TEST_F(StartState, LoadingTheWindowGivesTheStartState) {
    expectStartState();
    EXPECT_EQ(text(txtComment),
              "Crest-to-toe slope angle: Measured from the slope toe to the slope crest");
    EXPECT_TRUE(window.controls().isSelected(optCrestToToeSlopeAngle));
    EXPECT_EQ(platform.picture.clsCount, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartState, NewEvaluationAfterADesignStartsAgain) {
    selectToeToToe();
    completeDesign();
    ASSERT_TRUE(enabled(cmd3Dview));
    const int clearsBefore = platform.picture.clsCount;

    window.clicked(cmdResetValues);
    expectStartState();
    EXPECT_EQ(text(txtComment), "");
    EXPECT_GT(platform.picture.clsCount, clearsBefore);
    EXPECT_TRUE(platform.picture.strokes.empty());
    EXPECT_TRUE(window.controls().isSelected(optToeToToeSlopeAngle));
    EXPECT_EQ(text(lblSlopeHorizontalExtent), "Inter-ramp horizontal (m):");
    EXPECT_EQ(window.focusedControl(), txtSlopeHeight);
    // The design record keeps its last values until the relations run again.
    EXPECT_EQ(window.state().numberOfBenches, 10);
}

TEST_F(StartState, ClearReturnsToTheStackAngleStage) {
    completeDesign();
    window.clicked(cmdClearAngles);
    EXPECT_EQ(text(txtSlopeHeight), "100");
    EXPECT_EQ(text(txtNumberBenches), "10");
    EXPECT_EQ(text(txtNumberStacks), "2");
    EXPECT_EQ(text(txtCrestToToeSlopeAngle), "45");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "35.1");
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "100");
    for (ControlId emptied : {txtStackAngle, txtBenchAngle, txtStackHorizontalExtend, txtBermWidth,
                              txtStepOutWidth, txtBenchHorizontalExtend}) {
        EXPECT_EQ(text(emptied), "") << controlSpec(emptied).name;
    }
    EXPECT_FALSE(enabled(txtBenchAngle));
    EXPECT_FALSE(enabled(txtStackHorizontalExtend));
    EXPECT_TRUE(enabled(cmdCalcAndDraw));
    EXPECT_EQ(window.focusedControl(), txtStackAngle);
    EXPECT_EQ(platform.focusMoves.back(), txtStackAngle);

    // A new stack and bench angle for the same slope.
    enter(txtStackAngle, "60");
    enter(txtBenchAngle, "75");
    EXPECT_EQ(text(txtBermWidth), "42.26");
    EXPECT_EQ(text(txtStepOutWidth), "3.87");
}

} // namespace
} // namespace pitwright::testing
