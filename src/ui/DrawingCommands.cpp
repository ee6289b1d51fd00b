// "Accept values and draw picture" and "Clear picture".
#include "section/Canvas.h"
#include "section/SectionDrawing.h"
#include "section/SectionProfile.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright {

using enum ControlId;

void frmPitwrightMain::cmdCalcAndDraw_Click() {
    if (!canBuildSectionProfile(state_)) {
        platform_.canvas().Cls(); // no picture of a design before stays
        setProfileDrawn(false);
        platform_.messageBox(profileOutsideModelMessage(), kAppTitle);
        return;
    }
    allocateProfileAndClampWidths(state_);
    platform_.canvas().Cls();
    traceSectionProfile(state_);
    const SectionDrawing verdict = drawSection(state_, platform_.canvas());
    drawnBenchesPerStack_ = state_.benchesPerStack;
    drawnBerms_ = state_.numberOfBerms;
    setProfileDrawn(verdict == SectionDrawing::Drawn);
    if (verdict != SectionDrawing::Drawn) {
        platform_.messageBox(sectionNotDrawnMessage(verdict), kAppTitle);
        return;
    }
    for (ControlId command : {cmdPrintHardCopy, cmd3Dview, cmdClearAngles, cmdClearPicture}) {
        controls_.setEnabled(command, true);
    }
}

void frmPitwrightMain::cmdClearPicture_Click() {
    platform_.canvas().Cls();
    setProfileDrawn(false);
    moveFocus(cmdCalcAndDraw);
}

DrawnSection frmPitwrightMain::drawnSection() const {
    return DrawnSection{state_.profileX,       state_.profileY, state_.numberOfBenches,
                        drawnBenchesPerStack_, drawnBerms_,     selectedConvention()};
}

void frmPitwrightMain::setProfileDrawn(bool drawn) {
    profileDrawn_ = drawn;
    for (const auto& listener : drawnDesignListeners_) {
        listener();
    }
}

} // namespace pitwright
