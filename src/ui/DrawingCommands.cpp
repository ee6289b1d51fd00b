// "Accept values and draw picture" and "Clear picture".
#include "section/Canvas.h"
#include "section/SectionDrawing.h"
#include "section/SectionProfile.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright {

using enum ControlId;

namespace {

constexpr const char* kAppTitle = "Pitwright";

const char* whyNotDrawn(SectionDrawing verdict) {
    switch (verdict) {
    case SectionDrawing::NoBenches:
        return "The section cannot be drawn: the slope has no benches.";
    case SectionDrawing::NoHorizontalExtent:
        return "The section cannot be drawn: bench faces, step outs and berms are all 0 m "
               "wide, so the wall has no horizontal extent.";
    case SectionDrawing::NoHeight:
        return "The section cannot be drawn: the wall does not rise above its toe. The bench "
               "height must be above 0.";
    case SectionDrawing::TooLarge:
        return "The section cannot be drawn: its dimensions are too large to scale.";
    case SectionDrawing::Drawn:
        break;
    }
    return "";
}

} // namespace

void frmPitwrightMain::cmdCalcAndDraw_Click() {
    if (!canBuildSectionProfile(state_)) {
        platform_.messageBox("The section cannot be drawn: it needs a number of benches of 0 "
                             "or more and at least one bench per stack.",
                             kAppTitle);
        return;
    }
    allocateProfileAndClampWidths(state_);
    platform_.canvas().Cls();
    traceSectionProfile(state_);
    const SectionDrawing verdict = drawSection(state_, platform_.canvas());
    if (verdict != SectionDrawing::Drawn) {
        platform_.messageBox(whyNotDrawn(verdict), kAppTitle);
        return;
    }
    for (ControlId command : {cmdPrintHardCopy, cmd3Dview, cmdClearAngles, cmdClearPicture}) {
        controls_.setEnabled(command, true);
    }
}

void frmPitwrightMain::cmdClearPicture_Click() {
    platform_.canvas().Cls();
    moveFocus(cmdCalcAndDraw);
}

} // namespace pitwright
