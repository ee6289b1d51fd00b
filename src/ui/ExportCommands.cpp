// The Export menu: the dimensioned section drawing for reports, and the 3D
// shell for CAD and meshing tools, both of the drawn design.
#include "export3d/ShellDxf.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellRefusal.h"
#include "export3d/ShellStl.h"
#include "export3d/Surface3D.h"
#include "files/FileDialog.h"
#include "files/FileStore.h"
#include "section/SheetDxf.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pitwright {

using enum ControlId;

namespace {

struct ExportType {
    const char* extension; // as the dialog adds it, and as a typed name may end
    const char* filter;    // description and pattern, as the dialog lists them
};

constexpr std::array<ExportType, 4> kSheetTypes{{
    {"svg", "SVG drawings (*.svg)|*.svg"},
    {"pdf", "PDF documents (*.pdf)|*.pdf"},
    {"png", "PNG images (*.png)|*.png"},
    {"dxf", "DXF drawings (*.dxf)|*.dxf"},
}};
constexpr std::array kSheetFormats{SheetFormat::Svg, SheetFormat::Pdf, SheetFormat::Png,
                                   SheetFormat::Dxf};

constexpr std::array kShellFormats{ShellFormat::Dxf, ShellFormat::Obj, ShellFormat::Stl};
constexpr std::array<ExportType, 3> kShellTypes{{
    {"dxf", "DXF drawings (*.dxf)|*.dxf"},
    {"obj", "Wavefront OBJ meshes (*.obj)|*.obj"},
    {"stl", "Binary STL meshes (*.stl)|*.stl"},
}};

template <std::size_t N> std::string filterOf(const std::array<ExportType, N>& types) {
    std::string filter;
    for (const ExportType& type : types) {
        filter += (filter.empty() ? "" : "|") + std::string(type.filter);
    }
    return filter;
}

std::string lowerExtensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The type a file's name ends in, where it names one.
template <std::size_t N>
std::optional<std::size_t> typeNamedBy(const std::array<ExportType, N>& types,
                                       const std::string& path) {
    const std::string extension = lowerExtensionOf(path);
    for (std::size_t i = 0; i < N; ++i) {
        if (extension == types[i].extension) {
            return i;
        }
    }
    return std::nullopt;
}

// The type a file is written as: the one its name ends in, where it names
// one, else the one chosen in the dialog's list.
template <std::size_t N>
std::size_t typeFor(const std::array<ExportType, N>& types, const std::string& path,
                    int chosenFilter) {
    return typeNamedBy(types, path)
        .value_or(static_cast<std::size_t>(std::clamp(chosenFilter, 1, static_cast<int>(N)) - 1));
}

// Asks for the file to export to; its name and the type it is written as,
// or nothing when the user cancelled or gave no name.
struct ExportFile {
    std::string path;
    std::size_t type;
};
template <std::size_t N>
std::optional<ExportFile> askForExportFile(FileDialog& dialog, const char* title,
                                           const std::array<ExportType, N>& types) {
    dialog.settings.dialogTitle = title;
    dialog.settings.filter = filterOf(types);
    dialog.settings.defaultExt = types[0].extension;
    dialog.settings.overwritePrompt = true;
    const std::optional<std::string> path = dialog.showSave();
    if (!path || path->empty()) {
        return std::nullopt; // cancelled: nothing written, nothing said
    }
    return ExportFile{*path, typeFor(types, *path, dialog.settings.filterIndex)};
}

} // namespace

std::optional<SheetFormat> sectionFormatOf(const std::string& path) {
    const std::optional<std::size_t> type = typeNamedBy(kSheetTypes, path);
    if (!type) {
        return std::nullopt;
    }
    return kSheetFormats[*type];
}

std::vector<TitleRow> frmPitwrightMain::sectionTitleRows() const {
    std::vector<TitleRow> rows;
    rows.push_back({"Inter-ramp convention",
                    controls_.text(selectedConvention() == InterRampConvention::CrestToToe
                                       ? optCrestToToeSlopeAngle
                                       : optToeToToeSlopeAngle)});
    // Every value as its field shows it, under its label; lengths are in
    // metres and angles in degrees.
    struct Shown {
        ControlId label, field;
        const char* unit;
    };
    constexpr Shown kShown[] = {
        {lblSlopeHeight, txtSlopeHeight, " (m)"},
        {lblBenchHeight, txtBenchHeight, " (m)"},
        {lblBenchesPerStack, txtBenchesPerStack, ""},
        {lblCrestToToeSlopeAngle, txtCrestToToeSlopeAngle, " (\u00B0)"},
        {lblToeToToeSlopeAngle, txtToeToToeSlopeAngle, " (\u00B0)"},
        {lblStackAngle, txtStackAngle, " (\u00B0)"},
        {lblBatterAngle, txtBenchAngle, " (\u00B0)"},
        {lblNumberBenches, txtNumberBenches, ""},
        {lblNumberStepOuts, txtNumberStepOuts, ""},
        {lblNumberStacks, txtNumberStacks, ""},
        {lblNumberBerms, txtNumberBerms, ""},
        {lblSlopeHorizontalExtent, txtSlopeHorizontalExtent, ""},
        {lblStackHorizontalExtend, txtStackHorizontalExtend, ""},
        {lblBenchHorizontalExtend, txtBenchHorizontalExtend, ""},
        {lblBermWidth, txtBermWidth, ""},
        {lblStepWidth, txtStepOutWidth, ""},
    };
    for (const Shown& shown : kShown) {
        rows.push_back(
            {labelCaption(controls_, shown.label) + shown.unit, controls_.text(shown.field)});
    }
    if (const auto check = catchBermCheck()) {
        for (TitleRow& row :
             catchBermTitleRows(*check, controls_.text(txtBermWidth), selectedConvention())) {
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void frmPitwrightMain::mnuExportSection_Click() {
    if (!profileIsDrawnDesign()) {
        platform_.messageBox(exportOfStaleSectionMessage(), kAppTitle);
        return;
    }
    platform_.doEvents();
    if (const auto file =
            askForExportFile(platform_.exportDialog(), "Export section drawing", kSheetTypes)) {
        exportSectionTo(file->path, kSheetFormats[file->type]);
    }
}

bool frmPitwrightMain::exportSectionTo(const std::string& path, SheetFormat format) {
    if (!profileIsDrawnDesign()) {
        platform_.messageBox(exportOfStaleSectionMessage(), kAppTitle);
        return false;
    }
    platform_.setMousePointer(MousePointer::Hourglass);
    const std::vector<TitleRow> rows = sectionTitleRows();
    const SectionSheetInput input{drawnSection(), "Pitwright slope design", rows};
    // DXF needs no painter: it is written here, also where nothing can paint.
    const SheetBytes sheet = format == SheetFormat::Dxf
                                 ? sectionSheetDxf(input)
                                 : platform_.paintSectionSheet(input, format);
    if (!sheet.ok()) {
        platform_.setMousePointer(MousePointer::Arrow);
        platform_.messageBox(sectionSheetRefusalMessage(sheet), kAppTitle);
        return false;
    }
    return writeExport(path, sheet.bytes, "Section drawing saved: '");
}

void frmPitwrightMain::mnuExportShell_Click() {
    if (!profileIsDrawnDesign()) {
        platform_.messageBox(exportOfStaleSectionMessage(), kAppTitle);
        return;
    }
    if (const auto why = shellRefusalFor(state_)) {
        platform_.messageBox(shellRefusalMessage(*why), kAppTitle);
        return;
    }
    platform_.doEvents();
    if (const auto file =
            askForExportFile(platform_.exportDialog(), "Export 3D shell", kShellTypes)) {
        exportShellTo(file->path, kShellFormats[file->type]);
    }
}

bool frmPitwrightMain::exportShellTo(const std::string& path, ShellFormat format) {
    if (!profileIsDrawnDesign()) {
        platform_.messageBox(exportOfStaleSectionMessage(), kAppTitle);
        return false;
    }
    if (const auto why = shellRefusalFor(state_)) {
        platform_.messageBox(shellRefusalMessage(*why), kAppTitle);
        return false;
    }
    platform_.setMousePointer(MousePointer::Hourglass);
    const std::vector<SurfaceQuad> panels = build3DSurface(state_);
    const ShellFile file = format == ShellFormat::Dxf   ? shellDxfFile(panels)
                           : format == ShellFormat::Obj ? shellObjFile(panels)
                                                        : shellStlFile(panels);
    if (!file.written()) {
        platform_.setMousePointer(MousePointer::Arrow);
        platform_.messageBox(shellFileRefusalMessage(*file.refusal), kAppTitle);
        return false;
    }
    return writeExport(path, file.bytes, "3D shell saved: '");
}

bool frmPitwrightMain::writeExport(const std::string& path, std::string_view bytes,
                                   const std::string& confirmation) {
    const FileWriteResult written = platform_.fileStore().writeWhole(path, bytes);
    platform_.setMousePointer(MousePointer::Arrow);
    if (!written.ok) {
        platform_.messageBox(fileNotSavedMessage(path, written.problem, written.detail), kAppTitle);
        return false;
    }
    platform_.messageBox(confirmation + path + "'", kAppTitle);
    return true;
}

} // namespace pitwright
