// Save data, Open saved data and Write a 3D-file, and the save and open
// routines they share.
#include "export3d/AscShell.h"
#include "export3d/ShellRefusal.h"
#include "files/DataFile.h"
#include "files/FileKinds.h"
#include "files/FileStore.h"
#include "model/NumberText.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

#include <cmath>

#include <algorithm>

namespace pitwright {

using enum ControlId;

namespace {

// The seven input fields a data file holds, in file order, with their labels.
struct DataField {
    ControlId field;
    ControlId label;
};
constexpr std::array<DataField, kDataFileLines> kDataFields{{
    {txtSlopeHeight, lblSlopeHeight},
    {txtBenchHeight, lblBenchHeight},
    {txtBenchesPerStack, lblBenchesPerStack},
    {txtCrestToToeSlopeAngle, lblCrestToToeSlopeAngle},
    {txtToeToToeSlopeAngle, lblToeToToeSlopeAngle},
    {txtStackAngle, lblStackAngle},
    {txtBenchAngle, lblBatterAngle},
}};

// The comment line shows at most this much of a 3D text, cut at a line end,
// so that a shell of many benches cannot stall the window.
constexpr std::size_t kCommentPreviewBytes = 16 * 1024;

// The 3D file is produced in blocks of this size while it is written.
constexpr std::size_t kFileBlockBytes = 1024 * 1024;

std::string commentPreview(const AscShell& shell) {
    const AscPreview preview = shell.preview(kCommentPreviewBytes);
    if (preview.linesLeft == 0) {
        return preview.lines;
    }
    return preview.lines + "... and " + formatCount(static_cast<long long>(preview.linesLeft)) +
           " more lines, not shown here.";
}

} // namespace

void frmPitwrightMain::mnuSaveData_Click() {
    DataFileTexts texts;
    for (std::size_t line = 0; line < kDataFileLines; ++line) {
        texts[line] = controls_.text(kDataFields[line].field);
    }
    const DataFileEncoding encoded = encodeDataFile(texts);
    if (!encoded.ok) {
        const ControlId label = kDataFields[encoded.refusedLine].label;
        platform_.messageBox("The data was not saved: the text of \"" +
                                 labelCaption(controls_, label) + "\" " +
                                 dataFileRefusalWords(encoded) + ".",
                             kAppTitle);
        return;
    }
    subSaveFile(std::string(kSlopeDataFileKind), encoded.text);
}

void frmPitwrightMain::mnuOpenSavedData_Click() {
    platform_.doEvents();
    subOpenFile(std::string(kDataFileKind));
    if (openCancelled_ == kTrue16) {
        openCancelled_ = kFalse16;
        return;
    }

    openDataFile(dataFileName_);
}

void frmPitwrightMain::openDataFile(const std::string& path) {
    // Every line is read before any field changes, so a file that cannot be
    // read leaves the design as it was.
    const FileReadResult read = platform_.fileStore().readStart(path, kDataFileReadLimit);
    if (!read.ok) {
        platform_.messageBox(fileNotReadMessage(path, readProblemWords(read.problem, read.detail)),
                             kAppTitle);
        return;
    }
    const DataFileDecoding data = decodeDataFile(read.bytes, read.cutShort);
    if (!data.ok) {
        platform_.messageBox(fileNotReadMessage(path, dataFileShortfallWords(data)), kAppTitle);
        return;
    }

    // The bench count shown is the old design's until the benches per stack
    // take the focus; emptied, it cannot raise the new slope by the old
    // count when the new benches per stack arrive.
    controls_.setText(txtNumberBenches, "");
    // What this fill derives, and nothing of a design before, tells whether
    // it can be drawn.
    benchCountRefusal_.reset();
    stackCountRefusal_.reset();

    // A changed text runs its change reaction by itself; the explicit run
    // follows, as the reactions expect.
    controls_.setText(txtSlopeHeight, data.texts[0]);
    txtSlopeHeight_Change();
    controls_.setText(txtBenchHeight, data.texts[1]);
    txtBenchHeight_Change();
    controls_.setText(txtBenchesPerStack, data.texts[2]);
    txtBenchesPerStack_GotFocus();
    txtBenchesPerStack_Change();
    controls_.setText(txtCrestToToeSlopeAngle, data.texts[3]);
    txtCrestToToeSlopeAngle_Change();
    controls_.setText(txtToeToToeSlopeAngle, data.texts[4]);
    txtToeToToeSlopeAngle_Change();
    controls_.setText(txtStackAngle, data.texts[5]);
    txtStackAngle_Change();
    controls_.setText(txtBenchAngle, data.texts[6]);
    txtBenchAngle_Change();

    controls_.setText(txtComment, "Data-file opened: '" + path + "'");
    if (const auto gap = openedDesignGap()) {
        // Drawing now would show, and export, whatever design came before.
        forgetTheDrawing();
        platform_.messageBox(openedDesignGapMessage(*gap), kAppTitle);
        // The focus stays: moving it to the drawing command would check the
        // angles of a design that is not there.
        return;
    }
    cmdCalcAndDraw_Click();
    if (!profileDrawn_) {
        forgetTheDrawing(); // the drawing command has said why
        return;
    }
    // An incomplete design leaves the drawing command closed; the focus
    // then stays where it is and no focus reaction runs.
    moveFocus(cmdCalcAndDraw);
}

void frmPitwrightMain::forgetTheDrawing() {
    platform_.canvas().Cls();
    setProfileDrawn(false);
    controls_.setEnabled(cmd3Dview, false);
}

std::optional<OpenedDesignGap> frmPitwrightMain::openedDesignGap() const {
    using Kind = OpenedDesignGap::Kind;
    // The inputs of the selected convention, in the order they are filled:
    // the other convention's inter-ramp angle follows from them.
    const ControlId otherInterRamp = selectedConvention() == InterRampConvention::CrestToToe
                                         ? txtToeToToeSlopeAngle
                                         : txtCrestToToeSlopeAngle;
    const bool oneBenchPerStack = controls_.value(txtBenchesPerStack) == 1;
    for (const DataField& input : kDataFields) {
        if (input.field == otherInterRamp) {
            continue;
        }
        if (input.field == txtBenchAngle && oneBenchPerStack) {
            continue; // the bench face is the stack face
        }
        const auto gap = [&](Kind kind) {
            return OpenedDesignGap{kind, labelCaption(controls_, input.label),
                                   controls_.text(input.field)};
        };
        const double value = controls_.value(input.field);
        if (!std::isfinite(value)) {
            return gap(Kind::Unreadable);
        }
        if (value == 0) {
            return gap(Kind::Missing);
        }
        if (input.field == txtBenchHeight && benchCountRefusal_) {
            return gap(Kind::TooManyBenches);
        }
        if (input.field == txtBenchHeight && state_.numberOfBenches < 1) {
            return gap(Kind::NoBenches);
        }
        if (input.field == txtBenchesPerStack) {
            if (stackCountRefusal_ == CountRefusal::StackCountsBeyondRange) {
                return gap(Kind::TooManyBenches);
            }
            if (stackCountRefusal_ || state_.benchesPerStack < 1) {
                return gap(Kind::PerStackBelowOne);
            }
        }
    }
    if (!controls_.enabled(cmdCalcAndDraw)) {
        return OpenedDesignGap{Kind::Incomplete, {}, {}};
    }
    return std::nullopt;
}

bool frmPitwrightMain::profileIsDrawnDesign() const {
    const auto rows = static_cast<std::size_t>(state_.numberOfBenches) + 1;
    return profileDrawn_ && state_.numberOfBenches >= 0 && state_.profileX.rows() == rows &&
           state_.profileY.rows() == rows;
}

void frmPitwrightMain::cmd3Dview_Click() {
    fileKind_ = k3DFileKind;
    if (!profileIsDrawnDesign()) {
        platform_.messageBox(staleSectionMessage(), kAppTitle);
        return;
    }
    if (const auto why = shellRefusalFor(state_)) {
        platform_.messageBox(shellRefusalMessage(*why), kAppTitle);
        return;
    }
    // Taken at the click: the events let run before the dialog cannot change
    // it. The comment line shows its start; the whole text is produced for
    // the file once the user has chosen a name.
    const AscShell shell(state_);
    controls_.setText(txtComment, commentPreview(shell));
    saveProduced(fileKind_, [&shell](const BlockWriter& write) {
        return shell.forEachBlock(kFileBlockBytes, write);
    });
}

std::string frmPitwrightMain::build3DFileText() {
    if (shellRefusalFor(state_)) {
        return {};
    }
    const AscShell shell(state_);
    controls_.setText(txtComment, commentPreview(shell));
    return shell.text();
}

void frmPitwrightMain::subSaveFile(const std::string& kind, const std::string& content) {
    saveProduced(kind, [&content](const BlockWriter& write) { return write(content); });
}

void frmPitwrightMain::saveProduced(const std::string& kind, const BlockProducer& content) {
    platform_.doEvents();
    FileDialog& dialog = platform_.fileDialog();
    prepareSaveDialog(dialog.settings, kind);
    const std::optional<std::string> path = dialog.showSave();
    if (!path) {
        return; // cancelled: nothing written, nothing said
    }

    platform_.setMousePointer(MousePointer::Hourglass);
    if (path->empty()) {
        platform_.messageBox("No file saved as the filename was a Null-value",
                             "Null-value for filename");
        platform_.setMousePointer(MousePointer::Arrow);
        return;
    }

    // The content, then the one line end the save adds after any content.
    const FileWriteResult written = platform_.fileStore().writeProduced(
        *path, [&content](const BlockWriter& write) { return content(write) && write("\r\n"); });
    if (!written.ok) {
        platform_.messageBox(fileNotSavedMessage(*path, written.problem, written.detail),
                             kAppTitle);
        platform_.setMousePointer(MousePointer::Arrow);
        return;
    }

    const std::string confirmation =
        std::string(saveConfirmationFor(kind).value_or("File saved: '")) + *path + "'";
    controls_.setText(txtComment, confirmation);
    platform_.messageBox(confirmation, kAppTitle);
    platform_.setMousePointer(MousePointer::Arrow);
}

void frmPitwrightMain::subOpenFile(const std::string& kind) {
    dataFileName_.clear();
    platform_.doEvents();
    if (kind != kDataFileKind) {
        return;
    }
    FileDialog& dialog = platform_.fileDialog();
    prepareOpenDialog(dialog.settings);
    const std::optional<std::string> path = dialog.showOpen();
    if (!path || path->empty()) {
        openCancelled_ = kTrue16;
        return;
    }
    dataFileName_ = *path;
}

} // namespace pitwright
