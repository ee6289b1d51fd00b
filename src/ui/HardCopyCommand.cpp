// "Print a hard copy".
#include "ui/HardCopyLook.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright {

using enum ControlId;

namespace {
constexpr const char* kPrintingTitle = "Printing hard copy";
} // namespace

void frmPitwrightMain::cmdPrintHardCopy_Click() {
    applyPrintLook(controls_);
    // The print system may take its time to answer; it is given a bounded one.
    platform_.setMousePointer(MousePointer::Hourglass);
    const PrintOutcome outcome = platform_.printWindow();
    platform_.setMousePointer(MousePointer::Arrow);
    if (outcome.printed) {
        // The window keeps its print look until the user closes the message.
        platform_.messageBox("A hard copy of the layout is being printed", kPrintingTitle);
        applyWorkingLook(controls_);
    } else {
        // Nothing reached the printer: give the window back before saying so.
        applyWorkingLook(controls_);
        platform_.messageBox(printProblemMessage(outcome), kPrintingTitle);
    }
    // Hiding the command sent the focus elsewhere; it comes back to it.
    moveFocus(cmdPrintHardCopy);
}

} // namespace pitwright
