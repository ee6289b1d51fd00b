#pragma once

#include "model/MainWindowControls.h"
#include "support/FakePlatform.h"
#include "ui/frmPitwrightMain.h"

#include <gtest/gtest.h>

#include <string>

namespace pitwright::testing {

// A loaded main window on the fake platform, driven as a user would.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() { window.Form_Load(); }

    const std::string& text(ControlId id) const { return window.controls().text(id); }
    bool enabled(ControlId id) const { return window.controls().enabled(id); }
    bool available(ControlId id) const { return window.controls().isAvailable(id); }

    // Moves into the field (running its focus reaction) and types the text
    // over the selection in one go, as a paste does.
    void enter(ControlId id, const std::string& typed) {
        window.focusGained(id);
        window.userEditedText(id, typed);
    }

    // Types one key at a time at the end of the field's text.
    void typeKeys(ControlId id, const std::string& keys) {
        window.focusGained(id);
        std::string current;
        for (char key : keys) {
            current = text(id) + key;
            window.userEditedText(id, current);
        }
    }

    void selectToeToToe() { window.clicked(ControlId::optToeToToeSlopeAngle); }

    // Slope height, bench height and benches per stack.
    void enterHeights(const std::string& slope, const std::string& bench,
                      const std::string& perStack) {
        enter(ControlId::txtSlopeHeight, slope);
        enter(ControlId::txtBenchHeight, bench);
        enter(ControlId::txtBenchesPerStack, perStack);
    }

    FakePlatform platform;
    frmPitwrightMain window{platform};
};

} // namespace pitwright::testing
