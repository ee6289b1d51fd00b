#pragma once

#include "model/ControlId.h"
#include "section/SectionSheet.h"
#include "section/SheetFormat.h"

#include <string>

namespace pitwright {

class Canvas;
class FileDialog;
class FileStore;

// The window's mouse pointer, by its numbers: 1 the arrow, 11 the hourglass.
enum class MousePointer : int { Arrow = 1, Hourglass = 11 };

// Why a hard copy did not reach a printer's queue.
enum class PrintProblem : unsigned char {
    None,
    NoPrintSupport,      // the printing module could not be loaded
    NoPrintServer,       // no print server runs (so there is no default printer)
    ServerDoesNotAnswer, // the print server took longer than the time allowed
    NoDefaultPrinter,
    PageNotPrepared, // the page could not be drawn for the printer
    JobRefused,      // the printer's queue did not take the job
};

struct PrintOutcome {
    bool printed = false;
    PrintProblem problem = PrintProblem::None;
    std::string printer; // the queue's name, where one was found
    std::string detail;  // the print system's own words, where it gave some
};

// Everything the window's reactions need from the screen and the system.
// Production implements it with Qt; tests use a recording fake.
class WindowPlatform {
public:
    virtual ~WindowPlatform() = default;

    // A modal message box with an OK button only and no icon.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Moves the keyboard focus to the control's widget.
    virtual void setFocus(ControlId id) = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    // Lets pending window events (repaints, a closing menu) run.
    virtual void doEvents() = 0;
    // Prints the whole window as it now looks on the default printer. Waits
    // a bounded time for the print system, never longer.
    virtual PrintOutcome printWindow() = 0;

    virtual Canvas& canvas() = 0;
    // The one file dialog object of the window; keeps its settings between uses.
    virtual FileDialog& fileDialog() = 0;
    // A dialog of its own for the exports, so that they leave the settings
    // the window's save and open routines hand on to each other alone.
    virtual FileDialog& exportDialog() = 0;
    virtual FileStore& fileStore() = 0;
    // The section sheet painted as SVG, PDF or PNG (the DXF needs no painter).
    virtual SheetBytes paintSectionSheet(const SectionSheetInput& input, SheetFormat format) = 0;
};

} // namespace pitwright
