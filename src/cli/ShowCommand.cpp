#include "cli/ShowCommand.h"

#include "cli/DesignReport.h"
#include "cli/ExitStatus.h"
#include "cli/HeadlessPlatform.h"
#include "cli/OpenedDesign.h"
#include "cli/StabilityReport.h"

#include <ostream>

namespace pitwright::cli {

int runShow(const ShowRequest& request, FileStore& files, std::ostream& out, std::ostream& err) {
    HeadlessPlatform platform(files);
    platform.reportMessagesTo(&err);
    frmPitwrightMain window(platform);
    const OpenedDesign opened =
        openInFreshWindow(window, platform, request.convention, request.file);
    if (opened.refusalUnsaid) {
        err << "pitwright-cli: " << opened.refusal << '\n';
    }
    std::optional<StabilityAnalysis> stability;
    if (request.stability && opened.drawn) {
        stability = analyseStability(window, *request.stability);
        if (!stability->hasFigures()) {
            for (const std::string& problem : stability->problems) {
                err << "pitwright-cli: " << problem << '\n';
            }
            return kExitUsage;
        }
    }
    // Also a design that was not drawn is shown: its fields tell how far the
    // window came with it.
    if (request.json) {
        writeFieldJson(out, window, request.file, opened, platform,
                       stability ? &*stability : nullptr);
    } else {
        writeFieldTable(out, window);
        if (stability) {
            writeStabilityTable(out, *stability);
        }
    }
    return opened.drawn ? kExitDone : kExitFailed;
}

} // namespace pitwright::cli
