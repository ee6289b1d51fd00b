#include "ui/frmPitwrightMain.h"

#include "section/Canvas.h"

namespace pitwright {

using enum ControlId;

namespace {

// The sixteen fields a reset empties, in the order it empties them.
constexpr ControlId kResetFields[] = {
    txtSlopeHeight,
    txtBenchHeight,
    txtNumberBenches,
    txtBenchesPerStack,
    txtNumberStepOuts,
    txtNumberStacks,
    txtNumberBerms,
    txtCrestToToeSlopeAngle,
    txtToeToToeSlopeAngle,
    txtSlopeHorizontalExtent,
    txtStackAngle,
    txtBenchAngle,
    txtBermWidth,
    txtStepOutWidth,
    txtStackHorizontalExtend,
    txtBenchHorizontalExtend,
};

constexpr ControlId kLabelsClosedByReset[] = {
    lblBenchHeight,
    lblNumberBenches,
    lblNumberStepOuts,
    lblBenchesPerStack,
    lblNumberStacks,
    lblNumberBerms,
    lblCrestToToeSlopeAngle,
    lblToeToToeSlopeAngle,
    lblSlopeHorizontalExtent,
    lblStackAngle,
    lblBatterAngle,
    lblBermWidth,
    lblStepWidth,
    lblStackHorizontalExtend,
    lblBenchHorizontalExtend,
};

} // namespace

frmPitwrightMain::frmPitwrightMain(WindowPlatform& platform) : platform_(platform) {
    controls_.setChangeHandler([this](ControlId id) { textChanged(id); });
}

void frmPitwrightMain::userEditedText(ControlId id, const std::string& text) {
    controls_.setText(id, text);
}

void frmPitwrightMain::focusGained(ControlId id) {
    if (focused_ == id) {
        return;
    }
    focused_ = id;
    runGotFocus(id);
}

void frmPitwrightMain::clicked(ControlId id) {
    switch (id) {
    case optCrestToToeSlopeAngle:
        controls_.selectOption(id);
        optCrestToToeSlopeAngle_Click();
        break;
    case optToeToToeSlopeAngle:
        controls_.selectOption(id);
        optToeToToeSlopeAngle_Click();
        break;
    case cmdCalcAndDraw:
        // The click gives the command the focus first, so its angle check
        // has run before the drawing.
        moveFocus(cmdCalcAndDraw);
        cmdCalcAndDraw_Click();
        break;
    case cmd3Dview:
        cmd3Dview_Click();
        break;
    case cmdPrintHardCopy:
        cmdPrintHardCopy_Click();
        break;
    case cmdResetValues:
        cmdResetValues_Click();
        break;
    case cmdClearAngles:
        cmdClearAngles_Click();
        break;
    case cmdClearPicture:
        cmdClearPicture_Click();
        break;
    default:
        break;
    }
}

void frmPitwrightMain::textChanged(ControlId id) {
    switch (id) {
    case txtSlopeHeight:
        txtSlopeHeight_Change();
        break;
    case txtBenchHeight:
        txtBenchHeight_Change();
        break;
    case txtBenchesPerStack:
        txtBenchesPerStack_Change();
        break;
    case txtCrestToToeSlopeAngle:
        txtCrestToToeSlopeAngle_Change();
        break;
    case txtToeToToeSlopeAngle:
        txtToeToToeSlopeAngle_Change();
        break;
    case txtStackAngle:
        txtStackAngle_Change();
        break;
    case txtBenchAngle:
        txtBenchAngle_Change();
        break;
    default:
        break; // output fields have no reaction of their own
    }
}

void frmPitwrightMain::runGotFocus(ControlId id) {
    switch (id) {
    case txtSlopeHeight:
        txtSlopeHeight_GotFocus();
        break;
    case txtBenchHeight:
        txtBenchHeight_GotFocus();
        break;
    case txtBenchesPerStack:
        txtBenchesPerStack_GotFocus();
        break;
    case txtCrestToToeSlopeAngle:
        txtCrestToToeSlopeAngle_GotFocus();
        break;
    case txtToeToToeSlopeAngle:
        txtToeToToeSlopeAngle_GotFocus();
        break;
    case txtStackAngle:
        txtStackAngle_GotFocus();
        break;
    case txtBenchAngle:
        txtBenchAngle_GotFocus();
        break;
    case cmdCalcAndDraw:
        cmdCalcAndDraw_GotFocus();
        break;
    default:
        break;
    }
}

void frmPitwrightMain::moveFocus(ControlId id) {
    if (!controls_.isAvailable(id)) {
        return;
    }
    platform_.setFocus(id);
    focusGained(id);
}

void frmPitwrightMain::selectAllOnFocus(ControlId id) {
    controls_.selectAll(id);
}

void frmPitwrightMain::Form_Load() {
    subResetValues();
    controls_.setText(txtComment,
                      "Crest-to-toe slope angle: Measured from the slope toe to the slope crest");
}

void frmPitwrightMain::subResetValues() {
    for (ControlId field : kResetFields) {
        controls_.setText(field, "");
    }
    platform_.canvas().Cls();
    profileDrawn_ = false;

    controls_.setEnabled(fraSlopeHeightDimensions, true);
    controls_.setEnabled(fraSlopeAngles, false);
    controls_.setEnabled(fraSlopeWidthDimensions, false);

    controls_.setEnabled(optCrestToToeSlopeAngle, true);
    controls_.setEnabled(optToeToToeSlopeAngle, true);

    controls_.setEnabled(lblSlopeHeight, true);
    for (ControlId label : kLabelsClosedByReset) {
        controls_.setEnabled(label, false);
    }

    controls_.setEnabled(txtSlopeHeight, true);
    for (ControlId field : kResetFields) {
        if (field != txtSlopeHeight) {
            controls_.setEnabled(field, false);
        }
    }

    for (ControlId command :
         {cmdCalcAndDraw, cmd3Dview, cmdPrintHardCopy, cmdClearAngles, cmdClearPicture}) {
        controls_.setEnabled(command, false);
    }
    controls_.setText(txtComment, "");
}

void frmPitwrightMain::cmdResetValues_Click() {
    subResetValues();
    moveFocus(txtSlopeHeight);
}

void frmPitwrightMain::cmdClearAngles_Click() {
    controls_.setText(txtStackAngle, "");
    controls_.setText(txtBenchAngle, "");
    controls_.setText(txtStackHorizontalExtend, "");
    controls_.setEnabled(txtBenchAngle, false);
    controls_.setEnabled(txtStackHorizontalExtend, false);
    moveFocus(txtStackAngle);
}

} // namespace pitwright
