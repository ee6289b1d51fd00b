#include "cli/CatchBermFigures.h"

#include "ui/UserMessages.h"

namespace pitwright::cli {

const std::array<CatchBermFigure, kCatchBermFigureCount>& catchBermFigureNames() {
    static const std::array<CatchBermFigure, kCatchBermFigureCount> names{{
        {"check", "Catch berm check (modified Ritchie)"},
        {"required", "Catch berm asked (m)"},
        {"margin", "Catch berm margin (m)"},
        {"steepestInterRampAngle", "Steepest inter-ramp for the catch berm (deg)"},
    }};
    return names;
}

CatchBermFigures catchBermFiguresOf(const frmPitwrightMain& window) {
    const auto check = window.catchBermCheck();
    if (!check) {
        return {};
    }
    const CatchBermWords words =
        catchBermWords(*check, window.controls().text(ControlId::txtBermWidth));
    if (!words.notApplicable.empty()) {
        return {"does not apply: " + words.notApplicable, "", "", ""};
    }
    return {words.verdict, words.required, words.margin, words.steepestAngle};
}

} // namespace pitwright::cli
