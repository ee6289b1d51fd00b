#include "cli/ShowCommand.h"

#include "cli/DesignReport.h"
#include "cli/ExitStatus.h"
#include "cli/HeadlessPlatform.h"
#include "cli/OpenedDesign.h"

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
    // Also a design that was not drawn is shown: its fields tell how far the
    // window came with it.
    if (request.json) {
        writeFieldJson(out, window, request.file, opened, platform);
    } else {
        writeFieldTable(out, window);
    }
    return opened.drawn ? kExitDone : kExitFailed;
}

} // namespace pitwright::cli
