#pragma once

#include "ui/frmPitwrightMain.h"

#include <string>

namespace pitwright {

// Types a complete design of `benches` 10 m benches into a loaded window, 7
// to a stack where they divide evenly (32,767 = 7 x 4,681), else 5, with
// crest-to-toe 45, stack angle 60 and bench angle 75, then moves to the
// drawing command. Ten benches give the design of the README's picture.
inline void enterBenchDesign(frmPitwrightMain& window, int benches) {
    auto type = [&](ControlId id, const std::string& text) {
        window.focusGained(id);
        window.userEditedText(id, text);
    };
    type(ControlId::txtSlopeHeight, std::to_string(benches * 10));
    type(ControlId::txtBenchHeight, "10");
    type(ControlId::txtBenchesPerStack, benches % 7 == 0 ? "7" : "5");
    type(ControlId::txtCrestToToeSlopeAngle, "45");
    type(ControlId::txtStackAngle, "60");
    type(ControlId::txtBenchAngle, "75");
    window.focusGained(ControlId::cmdCalcAndDraw);
}

} // namespace pitwright
