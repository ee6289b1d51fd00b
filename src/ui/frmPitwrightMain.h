#pragma once

#include "checks/CatchBermCheck.h"
#include "export3d/ShellExport.h"
#include "files/FileStore.h"
#include "model/ControlSet.h"
#include "model/SlopeDesignState.h"
#include "model/SlopeRelations.h"
#include "section/DrawnSection.h"
#include "ui/UserMessages.h"
#include "ui/WindowPlatform.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pitwright {

// A 16-bit boolean as the window keeps it: True is -1, False is 0.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue16 = -1;
inline constexpr Bool16 kFalse16 = 0;

// The events a control reacts to.
enum class WindowEvent : std::uint8_t { Change, GotFocus, Click };

// The main window without its toolkit: the design record, the controls as
// data and every reaction, named control + "_" + event. Reactions take no
// arguments and may call each other, as opening a data file does.
class frmPitwrightMain {
public:
    explicit frmPitwrightMain(WindowPlatform& platform);
    frmPitwrightMain(const frmPitwrightMain&) = delete;
    frmPitwrightMain& operator=(const frmPitwrightMain&) = delete;

    ControlSet& controls() { return controls_; }
    const ControlSet& controls() const { return controls_; }
    SlopeDesignState& state() { return state_; }
    const SlopeDesignState& state() const { return state_; }

    // --- Events from the toolkit -------------------------------------------
    // The user changed a text box's text (runs its change reaction when the
    // text differs).
    void userEditedText(ControlId id, const std::string& text);
    // A control gained the keyboard focus, by Tab, by mouse or by the program.
    void focusGained(ControlId id);
    // A control was clicked: commands and option buttons.
    void clicked(ControlId id);
    // The control that holds the focus, as far as the window knows.
    std::optional<ControlId> focusedControl() const { return focused_; }

    // What the open routine leaves for the open command: the chosen path,
    // and whether the dialog was cancelled or gave no name.
    const std::string& dataFileName() const { return dataFileName_; }
    Bool16 openCancelled() const { return openCancelled_; }

    // --- Start state --------------------------------------------------------
    void Form_Load();
    void subResetValues();
    void cmdResetValues_Click();
    void cmdClearAngles_Click();

    // --- Heights and counts -------------------------------------------------
    void txtSlopeHeight_Change();
    void txtBenchHeight_Change();
    void txtBenchesPerStack_GotFocus();
    void txtBenchesPerStack_Change();
    void txtSlopeHeight_GotFocus();
    void txtBenchHeight_GotFocus();

    // --- Angles -------------------------------------------------------------
    void optCrestToToeSlopeAngle_Click();
    void optToeToToeSlopeAngle_Click();
    void txtCrestToToeSlopeAngle_Change();
    void txtToeToToeSlopeAngle_Change();
    void subInterRampAngleChanged();
    void txtStackAngle_Change();
    void txtBenchAngle_GotFocus();
    void txtBenchAngle_Change();
    void cmdCalcAndDraw_GotFocus();
    void txtCrestToToeSlopeAngle_GotFocus();
    void txtToeToToeSlopeAngle_GotFocus();
    void txtStackAngle_GotFocus();

    // --- Section drawing ----------------------------------------------------
    void cmdCalcAndDraw_Click();
    void cmdClearPicture_Click();

    // --- Files and the 3D export -------------------------------------------
    void mnuSaveData_Click();
    void mnuOpenSavedData_Click();
    // The open steps after the dialog: reads the data file at `path`, fills
    // the seven fields with their reactions and draws the section. Also the
    // way in for a file named on the command line.
    void openDataFile(const std::string& path);
    void cmd3Dview_Click();
    // Builds the Map3D ASC text of the current profile and shows it in the
    // comment line; returns the whole text for the file.
    std::string build3DFileText();
    void subSaveFile(const std::string& kind, const std::string& content);
    // subSaveFile for a content produced block by block once the name is
    // chosen, so a long text need not be held whole.
    void saveProduced(const std::string& kind, const BlockProducer& content);
    void subOpenFile(const std::string& kind);

    // --- Exports of the drawn design ---------------------------------------
    // "Section drawing…": the dimensioned section as SVG, PDF, PNG or DXF.
    void mnuExportSection_Click();
    // "3D shell…": the shell as DXF faces, a Wavefront OBJ or a binary STL mesh.
    void mnuExportShell_Click();
    // The two exports to a named file, as the commands make them once the
    // user has chosen it; true when the file was written, else the user was
    // told why.
    bool exportSectionTo(const std::string& path, SheetFormat format);
    bool exportShellTo(const std::string& path, ShellFormat format);
    // The title block of the section drawing: the convention, every input and
    // derived value as the window shows it, and the catch berm check.
    std::vector<TitleRow> sectionTitleRows() const;

    // --- Hard copy ----------------------------------------------------------
    void cmdPrintHardCopy_Click();

    // --- The drawn design ------------------------------------------------------
    // The profile is that of the last "Accept values and draw picture" and
    // matches the bench count: what exports and analyses work on.
    bool hasDrawnDesign() const { return profileIsDrawnDesign(); }
    // The drawn design: its profile and the stacks it was built with.
    DrawnSection drawnSection() const;
    // Called whenever a drawing succeeds, fails, or is cleared or reset, so
    // that windows showing the drawn design can follow it.
    void addDrawnDesignListener(std::function<void()> listener) {
        drawnDesignListeners_.push_back(std::move(listener));
    }

    // --- Checks ---------------------------------------------------------------
    // The catch berm against the modified Ritchie criterion, once the berm
    // width field shows a width; nothing before.
    std::optional<CatchBermCheck> catchBermCheck() const;
    // The same in words, for the status bar; empty before the berm is known.
    std::string catchBermStatus() const;

private:
    // Runs the reaction the control has to the event, if any.
    void react(ControlId id, WindowEvent event);
    // Moves the focus to an available control; its focus reaction runs when
    // the focus was elsewhere. An unavailable control keeps no focus move.
    void moveFocus(ControlId id);
    void selectAllOnFocus(ControlId id);
    InterRampConvention selectedConvention() const;
    // Stacks and berms from benches per stack, the slope raised to whole
    // stacks; the reason when the counts were left as they were.
    std::optional<CountRefusal> deriveStackCounts(double perStackValue);
    // Tells the user, without interrupting typing, why a count was left alone.
    void noteCountsLeftUnchanged(CountRefusal why);
    // What keeps a design just filled from a data file from being drawn.
    std::optional<OpenedDesignGap> openedDesignGap() const;
    // The profile is that of the last drawing and matches the bench count.
    bool profileIsDrawnDesign() const;
    // After an open that cannot be drawn: no picture, nothing to export.
    void forgetTheDrawing();
    // Writes an export whole or not at all, and says how it went.
    bool writeExport(const std::string& path, std::string_view bytes,
                     const std::string& confirmation);

    WindowPlatform& platform_;
    ControlSet controls_;
    SlopeDesignState state_;
    std::optional<ControlId> focused_;
    // Why the last bench count or stack count derivation was refused; the
    // counts shown are then those of earlier values.
    std::optional<CountRefusal> benchCountRefusal_;
    std::optional<CountRefusal> stackCountRefusal_;
    // The profile is the one the last "Accept values and draw picture"
    // built and drew, and no failed drawing, reset or "Clear picture"
    // came since.
    bool profileDrawn_ = false;
    // The stacks the drawn profile was built with; the record's own may
    // change before the next drawing.
    std::int16_t drawnBenchesPerStack_ = 0;
    std::int16_t drawnBerms_ = 0;
    std::vector<std::function<void()>> drawnDesignListeners_;
    void setProfileDrawn(bool drawn);
    std::string fileKind_;
    std::string dataFileName_;
    Bool16 openCancelled_ = kFalse16;
};

// The format a section drawing's file name asks for by its ending, as the
// export dialog reads a typed name (.svg, .pdf, .png or .dxf, in any letter
// case), or nothing.
std::optional<SheetFormat> sectionFormatOf(const std::string& path);

} // namespace pitwright
