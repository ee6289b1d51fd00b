#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

class DrawingCommands : public WindowFixture {
protected:
    void design(const std::string& benchAngle) {
        enterHeights("100", "10", "5");
        enter(txtCrestToToeSlopeAngle, "45");
        enter(txtStackAngle, "60");
        enter(txtBenchAngle, benchAngle);
    }
};

TEST_F(DrawingCommands, DrawsTheSectionAndOpensTheCommandsThatNeedIt) {
    design("75");
    window.clicked(cmdCalcAndDraw);
    EXPECT_TRUE(platform.messages.empty());
    // Floor, 10 faces, 9 ledges, crest line and 3 closing lines.
    EXPECT_EQ(platform.picture.strokes.size(), 24u);
    for (ControlId command : {cmdPrintHardCopy, cmd3Dview, cmdClearAngles, cmdClearPicture}) {
        EXPECT_TRUE(enabled(command)) << controlSpec(command).name;
    }
    const SlopeDesignState& s = window.state();
    EXPECT_NEAR(s.profileX(10, 0), 100, 1e-6); // the wall spans the inter-ramp extent
    EXPECT_NEAR(s.profileY(10, 0), 100, 1e-9);
}

TEST_F(DrawingCommands, ClickingGivesTheCommandTheFocusAndItsCheckFirst) {
    design("55");
    window.clicked(cmdCalcAndDraw);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(text(txtBenchAngle), "60");
    EXPECT_EQ(window.focusedControl(), cmdCalcAndDraw);
    EXPECT_EQ(text(txtStepOutWidth), "0"); // bench faces as steep as the stack
}

TEST_F(DrawingCommands, ClearPictureClearsAndMovesTheFocusToTheDrawingCommand) {
    design("75");
    window.clicked(cmdCalcAndDraw);
    window.focusGained(txtBenchAngle);
    window.clicked(cmdClearPicture);
    EXPECT_TRUE(platform.picture.strokes.empty());
    EXPECT_EQ(window.focusedControl(), cmdCalcAndDraw);
    EXPECT_TRUE(enabled(cmd3Dview));

    window.clicked(cmdCalcAndDraw);
    EXPECT_EQ(platform.picture.strokes.size(), 24u);
}

TEST_F(DrawingCommands, AWallThatCannotBeScaledIsExplainedAndChangesNoCommand) {
    enterHeights("100", "10", "5");
    enter(txtCrestToToeSlopeAngle, "90");
    enter(txtStackAngle, "90");
    enter(txtBenchAngle, "90");
    window.clicked(cmdCalcAndDraw);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("no horizontal extent"), std::string::npos);
    EXPECT_TRUE(platform.picture.strokes.empty());
    EXPECT_FALSE(enabled(cmd3Dview));
    EXPECT_FALSE(enabled(cmdClearPicture));
}

TEST_F(DrawingCommands, RefusesADesignWithoutWholeStacks) {
    // Benches per stack never taken: the record holds no stacks yet.
    enter(txtSlopeHeight, "100");
    enter(txtBenchHeight, "10");
    window.cmdCalcAndDraw_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(window.state().profileX.empty());
}

} // namespace
} // namespace pitwright::testing
