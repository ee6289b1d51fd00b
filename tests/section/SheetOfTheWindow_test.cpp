// The sheet of a design typed into the window: its figures are measured on
// the drawn profile and agree with the window's fields as long as nothing
// changed them; the title block shows the fields as they read.
#include "section/SectionSheet.h"
#include "support/RecordingSheet.h"
#include "support/WindowFixture.h"

#include <algorithm>
#include <string>

namespace pitwright {
namespace {

using enum ControlId;

const std::string kDegree = "\xC2\xB0";

class SheetOfTheWindow : public testing::WindowFixture {
protected:
    // Slope 100, benches of 10 in stacks of 5, stack angle 60, drawn.
    void drawDesign(const std::string& interRamp, const std::string& benchAngle) {
        enterHeights("100", "10", "5");
        enter(toeToToe() ? txtToeToToeSlopeAngle : txtCrestToToeSlopeAngle, interRamp);
        enter(txtStackAngle, "60");
        enter(txtBenchAngle, benchAngle);
        window.focusGained(cmdCalcAndDraw);
        window.cmdCalcAndDraw_Click();
    }

    bool toeToToe() const { return window.controls().isSelected(optToeToToeSlopeAngle); }

    // The sheet the window's export draws: the drawn section under the
    // window's own title block.
    testing::RecordingSheet sheet() {
        const SectionSheetInput input{window.drawnSection(), "Section", window.sectionTitleRows()};
        testing::RecordingSheet drawn;
        EXPECT_EQ(drawSectionSheet(input, drawn), SheetVerdict::Drawn);
        // Each field's text on its caption's line.
        for (const TitleRow& row : input.titleRows) {
            const auto* caption = drawn.findText(row.caption);
            EXPECT_TRUE(caption && std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                               [&](const auto& each) {
                                                   return each.value == row.text &&
                                                          each.text.at.y == caption->text.at.y;
                                               }))
                << row.caption << " " << row.text;
        }
        return drawn;
    }

    void expectFigures(const testing::RecordingSheet& drawn,
                       std::initializer_list<std::string> figures) {
        for (const std::string& figure : figures) {
            EXPECT_TRUE(drawn.hasText(figure)) << figure;
        }
    }
};

TEST_F(SheetOfTheWindow, FiguresAreTheFieldsInEitherConvention) {
    drawDesign("45", "75");
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "35.1");
    expectFigures(sheet(), {text(txtSlopeHeight) + " m", text(txtBenchHeight) + " m",
                            text(txtBenchAngle) + kDegree, text(txtStepOutWidth) + " m",
                            text(txtBermWidth) + " m", "stack " + text(txtStackAngle) + kDegree,
                            "crest-to-toe " + text(txtCrestToToeSlopeAngle) + kDegree,
                            "toe-to-toe " + text(txtToeToToeSlopeAngle) + kDegree,
                            text(txtSlopeHorizontalExtent) + " m"});

    window.cmdResetValues_Click();
    selectToeToToe();
    drawDesign("40", "75");
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "119.175");
    EXPECT_EQ(text(txtBermWidth), "30.72"); // two berms' share, not one
    expectFigures(sheet(), {text(txtSlopeHorizontalExtent) + " m", text(txtBermWidth) + " m",
                            "toe-to-toe " + text(txtToeToToeSlopeAngle) + kDegree,
                            "crest-to-toe " + text(txtCrestToToeSlopeAngle) + kDegree});
}

TEST_F(SheetOfTheWindow, ClampedWidthsAndLaterCorrectionsShowOnlyInTheTitle) {
    // A step out of 0.0087 m: the field shows it rounded, the drawn profile
    // has none.
    drawDesign("45", "60.03");
    EXPECT_EQ(text(txtStepOutWidth), "0.01");
    const testing::RecordingSheet clamped = sheet();
    expectFigures(clamped, {"0 m"});
    EXPECT_FALSE(clamped.hasText("0.01 m"));

    // Drawn with a bench angle of 55, as opening a data file draws it; the
    // check corrects the field when the drawing command next gains the focus.
    enter(txtBenchAngle, "55");
    window.cmdCalcAndDraw_Click();
    window.focusGained(txtBenchAngle);
    window.focusGained(cmdCalcAndDraw);
    EXPECT_EQ(text(txtBenchAngle), "60");
    const testing::RecordingSheet corrected = sheet();
    expectFigures(corrected, {"55" + kDegree});
    EXPECT_FALSE(corrected.hasText("60" + kDegree));
}

} // namespace
} // namespace pitwright
