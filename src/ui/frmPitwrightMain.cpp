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

// Which reaction each control runs on each event; a control and event not
// listed run nothing.
struct Reaction {
    ControlId control;
    WindowEvent event;
    void (frmPitwrightMain::*run)();
};
constexpr Reaction kReactions[] = {
    {txtSlopeHeight, WindowEvent::Change, &frmPitwrightMain::txtSlopeHeight_Change},
    {txtBenchHeight, WindowEvent::Change, &frmPitwrightMain::txtBenchHeight_Change},
    {txtBenchesPerStack, WindowEvent::Change, &frmPitwrightMain::txtBenchesPerStack_Change},
    {txtCrestToToeSlopeAngle, WindowEvent::Change,
     &frmPitwrightMain::txtCrestToToeSlopeAngle_Change},
    {txtToeToToeSlopeAngle, WindowEvent::Change, &frmPitwrightMain::txtToeToToeSlopeAngle_Change},
    {txtStackAngle, WindowEvent::Change, &frmPitwrightMain::txtStackAngle_Change},
    {txtBenchAngle, WindowEvent::Change, &frmPitwrightMain::txtBenchAngle_Change},

    {txtSlopeHeight, WindowEvent::GotFocus, &frmPitwrightMain::txtSlopeHeight_GotFocus},
    {txtBenchHeight, WindowEvent::GotFocus, &frmPitwrightMain::txtBenchHeight_GotFocus},
    {txtBenchesPerStack, WindowEvent::GotFocus, &frmPitwrightMain::txtBenchesPerStack_GotFocus},
    {txtCrestToToeSlopeAngle, WindowEvent::GotFocus,
     &frmPitwrightMain::txtCrestToToeSlopeAngle_GotFocus},
    {txtToeToToeSlopeAngle, WindowEvent::GotFocus,
     &frmPitwrightMain::txtToeToToeSlopeAngle_GotFocus},
    {txtStackAngle, WindowEvent::GotFocus, &frmPitwrightMain::txtStackAngle_GotFocus},
    {txtBenchAngle, WindowEvent::GotFocus, &frmPitwrightMain::txtBenchAngle_GotFocus},
    {cmdCalcAndDraw, WindowEvent::GotFocus, &frmPitwrightMain::cmdCalcAndDraw_GotFocus},

    {optCrestToToeSlopeAngle, WindowEvent::Click, &frmPitwrightMain::optCrestToToeSlopeAngle_Click},
    {optToeToToeSlopeAngle, WindowEvent::Click, &frmPitwrightMain::optToeToToeSlopeAngle_Click},
    {cmdCalcAndDraw, WindowEvent::Click, &frmPitwrightMain::cmdCalcAndDraw_Click},
    {cmd3Dview, WindowEvent::Click, &frmPitwrightMain::cmd3Dview_Click},
    {cmdPrintHardCopy, WindowEvent::Click, &frmPitwrightMain::cmdPrintHardCopy_Click},
    {cmdResetValues, WindowEvent::Click, &frmPitwrightMain::cmdResetValues_Click},
    {cmdClearAngles, WindowEvent::Click, &frmPitwrightMain::cmdClearAngles_Click},
    {cmdClearPicture, WindowEvent::Click, &frmPitwrightMain::cmdClearPicture_Click},
};

} // namespace

frmPitwrightMain::frmPitwrightMain(WindowPlatform& platform) : platform_(platform) {
    controls_.setChangeHandler([this](ControlId id) { react(id, WindowEvent::Change); });
}

void frmPitwrightMain::react(ControlId id, WindowEvent event) {
    for (const Reaction& reaction : kReactions) {
        if (reaction.control == id && reaction.event == event) {
            (this->*reaction.run)();
            return;
        }
    }
}

void frmPitwrightMain::userEditedText(ControlId id, const std::string& text) {
    controls_.setText(id, text);
}

void frmPitwrightMain::focusGained(ControlId id) {
    if (focused_ == id) {
        return;
    }
    focused_ = id;
    react(id, WindowEvent::GotFocus);
}

void frmPitwrightMain::clicked(ControlId id) {
    if (id == optCrestToToeSlopeAngle || id == optToeToToeSlopeAngle) {
        controls_.selectOption(id);
    }
    if (id == cmdCalcAndDraw) {
        // The click gives the command the focus first, so its angle check
        // has run before the drawing.
        moveFocus(cmdCalcAndDraw);
    }
    react(id, WindowEvent::Click);
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
    setProfileDrawn(false);

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
