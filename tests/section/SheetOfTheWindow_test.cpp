// The sheet of a design typed into the window: its figures are measured on
// the drawn profile and agree with the window's fields as long as nothing
// changed them; the title block shows the fields as they read.
#include "model/Angles.h"
#include "model/NumberText.h"
#include "section/SectionSheet.h"
#include "support/RecordingSheet.h"
#include "ui/WindowFixture.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace pitwright {
namespace {

using enum ControlId;

const std::string kDegree = "\xC2\xB0";

class SheetOfTheWindow : public testing::WindowFixture {
protected:
    // Slope 100, benches of 10 in stacks of 5, stack angle 60.
    void typeDesign(const std::string& interRamp, const std::string& benchAngle) {
        enterHeights("100", "10", "5");
        const bool toeToToe = window.controls().isSelected(optToeToToeSlopeAngle);
        enter(toeToToe ? txtToeToToeSlopeAngle : txtCrestToToeSlopeAngle, interRamp);
        enter(txtStackAngle, "60");
        enter(txtBenchAngle, benchAngle);
    }

    void draw() {
        window.focusGained(cmdCalcAndDraw);
        window.cmdCalcAndDraw_Click();
    }

    // The title block as the window would give it: captions and fields.
    SectionSheetInput sheetInput() {
        const bool toeToToe = window.controls().isSelected(optToeToToeSlopeAngle);
        SectionSheetInput input{
            drawnSectionOf(window.state(), toeToToe ? InterRampConvention::ToeToToe
                                                    : InterRampConvention::CrestToToe),
            "Section",
            {}};
        const std::pair<ControlId, ControlId> rows[] = {
            {lblSlopeHeight, txtSlopeHeight},
            {lblBenchHeight, txtBenchHeight},
            {lblBenchesPerStack, txtBenchesPerStack},
            {lblCrestToToeSlopeAngle, txtCrestToToeSlopeAngle},
            {lblToeToToeSlopeAngle, txtToeToToeSlopeAngle},
            {lblStackAngle, txtStackAngle},
            {lblBatterAngle, txtBenchAngle},
            {lblSlopeHorizontalExtent, txtSlopeHorizontalExtent},
            {lblBermWidth, txtBermWidth},
            {lblStepWidth, txtStepOutWidth},
        };
        for (const auto& [caption, field] : rows) {
            input.titleRows.push_back({text(caption), text(field)});
        }
        return input;
    }

    testing::RecordingSheet drawnSheet() {
        testing::RecordingSheet sheet;
        EXPECT_EQ(drawSectionSheet(sheetInput(), sheet), SheetVerdict::Drawn);
        return sheet;
    }

    void expectFigures(const testing::RecordingSheet& sheet,
                       std::initializer_list<std::string> figures) {
        for (const std::string& figure : figures) {
            EXPECT_TRUE(sheet.hasText(figure)) << figure;
        }
    }

    void expectTitleShowsTheFields(const testing::RecordingSheet& sheet) {
        for (const TitleRow& row : sheetInput().titleRows) {
            const auto* caption = sheet.findText(row.caption);
            ASSERT_TRUE(caption) << row.caption;
            bool found = false;
            for (const auto& each : sheet.texts) {
                found |= each.value == row.text && each.text.at.y == caption->text.at.y;
            }
            EXPECT_TRUE(found) << row.caption << " " << row.text;
        }
    }
};

TEST_F(SheetOfTheWindow, CrestToToeFiguresAreTheFields) {
    typeDesign("45", "75");
    draw();
    const testing::RecordingSheet sheet = drawnSheet();
    expectFigures(sheet, {
                             text(txtSlopeHeight) + " m",
                             text(txtBenchHeight) + " m",
                             text(txtBenchAngle) + kDegree,
                             text(txtStepOutWidth) + " m",
                             text(txtBermWidth) + " m",
                             "stack " + text(txtStackAngle) + kDegree,
                             "crest-to-toe " + text(txtCrestToToeSlopeAngle) + kDegree,
                             "toe-to-toe " + text(txtToeToToeSlopeAngle) + kDegree,
                             text(txtSlopeHorizontalExtent) + " m",
                         });
    EXPECT_EQ(text(txtToeToToeSlopeAngle), "35.1");
    EXPECT_EQ(text(txtBermWidth), "42.26");
    expectTitleShowsTheFields(sheet);
}

TEST_F(SheetOfTheWindow, ToeToToeFiguresAreTheFields) {
    selectToeToToe();
    typeDesign("40", "75");
    draw();
    const testing::RecordingSheet sheet = drawnSheet();
    EXPECT_EQ(text(txtSlopeHorizontalExtent), "119.175");
    EXPECT_EQ(text(txtBermWidth), "30.72");
    EXPECT_EQ(text(txtCrestToToeSlopeAngle), "48.5");
    expectFigures(sheet, {
                             text(txtSlopeHorizontalExtent) + " m",
                             text(txtBermWidth) + " m",
                             text(txtStepOutWidth) + " m",
                             "toe-to-toe " + text(txtToeToToeSlopeAngle) + kDegree,
                             "crest-to-toe " + text(txtCrestToToeSlopeAngle) + kDegree,
                         });
    expectTitleShowsTheFields(sheet);
}

TEST_F(SheetOfTheWindow, ClampedWidthsAndLaterCorrectionsShowOnlyInTheTitle) {
    // A bench angle that leaves a step out of 0.0087 m: the field shows it
    // rounded, the drawn profile has none.
    typeDesign("45", "60.03");
    EXPECT_EQ(text(txtStepOutWidth), "0.01");
    draw();
    const SlopeDesignState& drawn = window.state();
    EXPECT_EQ(drawn.profileX(1, 1) - drawn.profileX(1, 0), 0);
    const testing::RecordingSheet clamped = drawnSheet();
    expectFigures(clamped, {"0 m"});
    EXPECT_FALSE(clamped.hasText("0.01 m"));
    expectTitleShowsTheFields(clamped);

    // Drawn with a bench angle of 55, as opening a data file draws it; the
    // check corrects the field when the drawing command next gains the focus.
    enter(txtBenchAngle, "55");
    window.cmdCalcAndDraw_Click();
    const double drawnRun = drawn.profileX(1, 0) - drawn.profileX(0, 1);
    window.focusGained(txtBenchAngle);
    window.focusGained(cmdCalcAndDraw);
    EXPECT_EQ(text(txtBenchAngle), "60");
    ASSERT_EQ(drawn.profileX(1, 0) - drawn.profileX(0, 1), drawnRun);

    const testing::RecordingSheet corrected = drawnSheet();
    EXPECT_EQ(formatRounded(radiansToDegrees(std::atan2(10, drawnRun)), 1), "55");
    expectFigures(corrected, {"55" + kDegree});
    EXPECT_FALSE(corrected.hasText("60" + kDegree));
    expectTitleShowsTheFields(corrected);
    const auto* benchAngle = corrected.findText("Bench slope angle:");
    ASSERT_TRUE(benchAngle);
    EXPECT_TRUE(std::any_of(corrected.texts.begin(), corrected.texts.end(), [&](const auto& each) {
        return each.value == "60" && each.text.at.y == benchAngle->text.at.y;
    }));
}

} // namespace
} // namespace pitwright
