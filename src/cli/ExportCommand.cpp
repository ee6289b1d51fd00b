#include "cli/ExportCommand.h"

#include "cli/ExitStatus.h"
#include "cli/OpenedDesign.h"

#include <array>
#include <ostream>

namespace pitwright::cli {

namespace {

// "Write a 3D-file", its dialog answering with the path. The window's
// confirmation is not repeated: the command is quiet when all went well,
// and only a failure's own words reach `err`.
bool writeAsc(frmPitwrightMain& window, HeadlessPlatform& platform, const std::string& path,
              std::ostream& err) {
    const std::size_t messagesBefore = platform.messages().size();
    const std::size_t writesBefore = platform.writes().size();
    platform.dialog().answerWith(path);
    platform.reportMessagesTo(nullptr);
    window.cmd3Dview_Click();
    platform.reportMessagesTo(&err);

    const auto& writes = platform.writes();
    const bool written =
        writes.size() > writesBefore && writes.back().ok && writes.back().path == path;
    if (written) {
        return true;
    }
    const auto& messages = platform.messages();
    for (std::size_t i = messagesBefore; i < messages.size(); ++i) {
        reportMessage(err, messages[i]);
    }
    if (messages.size() == messagesBefore) {
        err << "pitwright-cli: the 3D file '" << path << "' was not written.\n";
    }
    return false;
}

constexpr std::array<ExportFormat, 5> kFormats{{
    {"asc", "OUT.ASC", "Write the wall as a closed 3D shell in the Map3D ASC format.", &writeAsc},
    {"dxf", "OUT.DXF", "Write the 3D shell as DXF faces (not yet available).", nullptr},
    {"obj", "OUT.OBJ", "Write the 3D shell as a Wavefront OBJ mesh (not yet available).", nullptr},
    {"stl", "OUT.STL", "Write the 3D shell as an STL mesh (not yet available).", nullptr},
    {"section", "OUT", "Write the section as SVG, PDF, PNG or DXF (not yet available).", nullptr},
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
