#pragma once

#include "support/FakePlatform.h"
#include "ui/frmPitwrightMain.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace pitwright::testing {

// A loaded window on the fake platform; more windows can be opened on the
// same files, as a second run of the program would.
class FileWindowFixture : public ::testing::Test {
protected:
    struct Window {
        FakePlatform platform;
        frmPitwrightMain form{platform};
        Window() { form.Form_Load(); }
        const std::string& text(ControlId id) const { return form.controls().text(id); }
        void enter(ControlId id, const std::string& typed) {
            form.focusGained(id);
            form.userEditedText(id, typed);
        }
    };

    // A fresh window that sees the files the first one wrote.
    std::unique_ptr<Window> freshWindow() {
        auto next = std::make_unique<Window>();
        next->platform.files.files = w.platform.files.files;
        return next;
    }

    void enterDesign(Window& win, const std::string& interRamp = "45") {
        using enum ControlId;
        win.enter(txtSlopeHeight, "100");
        win.enter(txtBenchHeight, "10");
        win.enter(txtBenchesPerStack, "5");
        win.enter(win.form.controls().isSelected(optCrestToToeSlopeAngle) ? txtCrestToToeSlopeAngle
                                                                          : txtToeToToeSlopeAngle,
                  interRamp);
        win.enter(txtStackAngle, "60");
        win.enter(txtBenchAngle, "75");
    }

    // Every text box of the window, inputs and derived values alike.
    static constexpr std::array kAllFields{
        ControlId::txtSlopeHeight,
        ControlId::txtBenchHeight,
        ControlId::txtNumberBenches,
        ControlId::txtBenchesPerStack,
        ControlId::txtNumberStepOuts,
        ControlId::txtNumberStacks,
        ControlId::txtNumberBerms,
        ControlId::txtCrestToToeSlopeAngle,
        ControlId::txtToeToToeSlopeAngle,
        ControlId::txtSlopeHorizontalExtent,
        ControlId::txtStackAngle,
        ControlId::txtBenchAngle,
        ControlId::txtBermWidth,
        ControlId::txtStepOutWidth,
        ControlId::txtStackHorizontalExtend,
        ControlId::txtBenchHorizontalExtend,
    };

    Window w;
};

} // namespace pitwright::testing
