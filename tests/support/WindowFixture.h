#pragma once

// The one fixture of the window's tests: a loaded main window on the fake
// platform, driven as a user would, and more windows on the same files where
// a test needs a second run of the program.
#include "model/MainWindowControls.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "support/WindowLists.h"
#include "ui/frmPitwrightMain.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace pitwright::testing {

// A window and the platform it runs on, loaded.
struct TestWindow {
    FakePlatform platform;
    frmPitwrightMain form{platform};

    TestWindow() { form.Form_Load(); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    const std::string& text(ControlId id) const { return form.controls().text(id); }
    // Moves into the field (running its focus reaction) and types the text
    // over the selection in one go, as a paste does.
    void enter(ControlId id, const std::string& typed) {
        form.focusGained(id);
        form.userEditedText(id, typed);
    }
};

class WindowFixture : public ::testing::Test {
protected:
    using Window = TestWindow;

    const std::string& text(ControlId id) const { return window.controls().text(id); }
    bool enabled(ControlId id) const { return window.controls().enabled(id); }
    bool available(ControlId id) const { return window.controls().isAvailable(id); }

    void enter(ControlId id, const std::string& typed) { w.enter(id, typed); }

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

    // The README's design, or the given inter-ramp angle in the convention
    // selected now, typed into the window.
    static void enterDesign(Window& win, const std::string& interRamp = "45") {
        TypedDesign design = kReadmeDesign;
        if (!win.form.controls().isSelected(ControlId::optCrestToToeSlopeAngle)) {
            design.convention = InterRampConvention::ToeToToe;
        }
        design.interRampAngle = interRamp;
        typeDesign(win.form, design);
    }

    // The README's design, typed and drawn; the messages so far are dropped.
    static void drawDesign(Window& win) {
        enterDesign(win);
        win.form.clicked(ControlId::cmdCalcAndDraw);
        win.platform.messages.clear();
    }

    // Saves or opens the data file through the window's dialog, answered
    // with `path`.
    static void save(Window& win, const std::string& path) {
        win.platform.dialog.answer(path);
        win.form.mnuSaveData_Click();
    }
    static void open(Window& win, const std::string& path) {
        win.platform.dialog.answer(path);
        win.form.mnuOpenSavedData_Click();
    }

    // A fresh window that sees the files the first one wrote.
    std::unique_ptr<Window> freshWindow() {
        auto next = std::make_unique<Window>();
        next->platform.files.files = w.platform.files.files;
        return next;
    }

    Window w;
    // The same window by the names the window's reactions use.
    frmPitwrightMain& window = w.form;
    FakePlatform& platform = w.platform;
};

} // namespace pitwright::testing
