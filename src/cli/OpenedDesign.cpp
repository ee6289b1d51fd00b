#include "cli/OpenedDesign.h"

namespace pitwright::cli {

std::string_view conventionName(InterRampConvention convention) {
    return convention == InterRampConvention::ToeToToe ? "toe-to-toe" : "crest-to-toe";
}

OpenedDesign openInFreshWindow(frmPitwrightMain& window, HeadlessPlatform& platform,
                               InterRampConvention convention, const std::string& path) {
    const std::size_t messagesBefore = platform.messages().size();
    window.Form_Load();
    if (convention == InterRampConvention::ToeToToe) {
        window.clicked(ControlId::optToeToToeSlopeAngle);
    }
    window.openDataFile(path);

    OpenedDesign opened;
    opened.drawn = window.controls().enabled(ControlId::cmd3Dview);
    if (opened.drawn) {
        return opened;
    }
    // The angle checks only correct; what refuses a design is said in a
    // box of the program's own title.
    const auto& messages = platform.messages();
    for (std::size_t i = messages.size(); i > messagesBefore; --i) {
        if (messages[i - 1].title == kAppTitle) {
            opened.refusal = messages[i - 1].text;
            break;
        }
    }
    if (opened.refusal.empty()) {
        opened.refusal = "The design was not drawn.";
        opened.refusalUnsaid = true;
    }
    return opened;
}

} // namespace pitwright::cli
