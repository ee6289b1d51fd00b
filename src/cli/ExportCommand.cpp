#include "cli/ExportCommand.h"

#include "cli/ExitStatus.h"
#include "cli/OpenedDesign.h"

#include <array>
#include <optional>
#include <ostream>

namespace pitwright::cli {

namespace {

// Runs one of the window's exports and tells whether its file was written.
// The window's confirmation is not repeated: the command is quiet when all
// went well, and only a failure's own words reach `err`.
template <typename Export>
bool written(HeadlessPlatform& platform, const std::string& path, std::ostream& err,
             Export exportFile) {
    const std::size_t messagesBefore = platform.messages().size();
    const std::size_t writesBefore = platform.writes().size();
    platform.reportMessagesTo(nullptr);
    exportFile();
    platform.reportMessagesTo(&err);

    const auto& writes = platform.writes();
    if (writes.size() > writesBefore && writes.back().ok && writes.back().path == path) {
        return true;
    }
    const auto& messages = platform.messages();
    for (std::size_t i = messagesBefore; i < messages.size(); ++i) {
        reportMessage(err, messages[i]);
    }
    if (messages.size() == messagesBefore) {
        err << "pitwright-cli: the file '" << path << "' was not written.\n";
    }
    return false;
}

// "Write a 3D-file", its dialog answering with the path.
bool writeAsc(frmPitwrightMain& window, HeadlessPlatform& platform, const std::string& path,
              std::ostream& err) {
    platform.dialog().answerWith(path);
    return written(platform, path, err, [&] { window.cmd3Dview_Click(); });
}

template <ShellFormat format>
bool writeShell(frmPitwrightMain& window, HeadlessPlatform& platform, const std::string& path,
                std::ostream& err) {
    return written(platform, path, err, [&] { window.exportShellTo(path, format); });
}

bool writeSection(frmPitwrightMain& window, HeadlessPlatform& platform, const std::string& path,
                  std::ostream& err) {
    const std::optional<SheetFormat> format = sectionFormatOf(path);
    if (!format) {
        err << "pitwright-cli: the section '" << path
            << "' needs a name ending in .svg, .pdf, .png or .dxf.\n";
        return false;
    }
    return written(platform, path, err, [&] { window.exportSectionTo(path, *format); });
}

constexpr std::array<ExportFormat, 5> kFormats{{
    {"asc", "OUT.ASC", "Write the wall as a closed 3D shell in the Map3D ASC format.", &writeAsc},
    {"dxf", "OUT.DXF", "Write the 3D shell as DXF faces, one a panel.",
     &writeShell<ShellFormat::Dxf>},
    {"obj", "OUT.OBJ", "Write the 3D shell as a watertight Wavefront OBJ mesh.",
     &writeShell<ShellFormat::Obj>},
    {"stl", "OUT.STL", "Write the 3D shell as a watertight binary STL mesh.",
     &writeShell<ShellFormat::Stl>},
    {"section", "OUT",
     "Write the dimensioned section drawing; its name ends in .svg, .pdf, .png or .dxf.",
     &writeSection},
}};

} // namespace

std::span<const ExportFormat> exportFormats() {
    return kFormats;
}

int runExport(const ExportRequest& request, FileStore& files, std::ostream& err) {
    HeadlessPlatform platform(files);
    platform.reportMessagesTo(&err);
    frmPitwrightMain window(platform);
    const OpenedDesign opened =
        openInFreshWindow(window, platform, request.convention, request.file);
    if (opened.refusalUnsaid) {
        err << "pitwright-cli: " << opened.refusal << '\n';
    }
    if (!opened.drawn) {
        return kExitFailed; // the window has said why
    }
    bool allWritten = true;
    for (const ExportRequest::Output& output : request.outputs) {
        allWritten = output.format->write(window, platform, output.path, err) && allWritten;
    }
    return allWritten ? kExitDone : kExitFailed;
}

} // namespace pitwright::cli
