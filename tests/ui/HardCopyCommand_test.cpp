#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "support/WindowLists.h"
#include "ui/HardCopyLook.h"
#include "ui/frmPitwrightMain.h"

#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>

namespace pitwright::testing {
namespace {

// The window class; its name is also the id of the window among the controls.
using MainWindow = pitwright::frmPitwrightMain;
using enum ControlId;

using Look = std::array<ControlState, kControlCount>;

Look lookOf(const ControlSet& controls) {
    Look look;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        look[i] = controls[static_cast<ControlId>(i)];
    }
    return look;
}

bool sameLook(const Look& a, const Look& b) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlState& x = a[i];
        const ControlState& y = b[i];
        if (x.text != y.text || x.enabled != y.enabled || x.visible != y.visible ||
            x.backColor != y.backColor || x.width != y.width || x.border != y.border ||
            x.optionValue != y.optionValue) {
            return false;
        }
    }
    return true;
}

// Notes how the window looked when it went to the printer and while the
// message was up.
class LookRecordingPlatform : public FakePlatform {
public:
    PrintOutcome printWindow() override {
        lookWhenPrinted = lookOf(window->controls());
        return FakePlatform::printWindow();
    }
    void messageBox(const std::string& text, const std::string& title) override {
        lookWhileMessage = lookOf(window->controls());
        FakePlatform::messageBox(text, title);
    }

    const MainWindow* window = nullptr;
    Look lookWhenPrinted{};
    Look lookWhileMessage{};
};

// The five commands in the row below the groups; "CLEAR" stands apart.
constexpr std::array kCommandRow{cmdCalcAndDraw, cmd3Dview, cmdPrintHardCopy, cmdResetValues,
                                 cmdClearPicture};

class HardCopyTest : public ::testing::Test {
protected:
    HardCopyTest() {
        platform.window = &window;
        window.Form_Load();
    }

    // A whole design, drawn: the state in which the command is offered.
    void drawDesign() {
        typeDesign(window, kThreePerStackDesign);
        window.focusGained(cmdCalcAndDraw);
        window.clicked(cmdCalcAndDraw);
        ASSERT_TRUE(window.controls().enabled(cmdPrintHardCopy));
        ASSERT_FALSE(platform.picture.strokes.empty());
        platform.messages.clear();
    }

    void printHardCopy() { window.clicked(cmdPrintHardCopy); }

    // The working look, as fixed values.
    static void expectWorkingLook(const Look& look) {
        auto at = [&](ControlId id) -> const ControlState& { return look[indexOf(id)]; };
        EXPECT_EQ(at(frmPitwrightMain).backColor, BackColor::ButtonFace);
        EXPECT_EQ(at(txtComment).backColor, BackColor::ButtonFace);
        EXPECT_EQ(at(txtComment).width, 3255);
        EXPECT_TRUE(at(Picture1).border);
        for (ControlId id : kFieldGroups) {
            EXPECT_EQ(at(id).backColor, BackColor::ButtonFace) << indexOf(id);
            EXPECT_TRUE(at(id).enabled) << indexOf(id);
        }
        for (ControlId id : kFieldLabels) {
            EXPECT_EQ(at(id).backColor, BackColor::ButtonFace) << indexOf(id);
            EXPECT_TRUE(at(id).enabled) << indexOf(id);
        }
        for (ControlId id : kResultFields) {
            EXPECT_EQ(at(id).backColor, BackColor::ButtonFace) << indexOf(id);
        }
        for (ControlId id : {txtSlopeHeight, txtBenchHeight, txtBenchesPerStack, txtNumberBenches,
                             txtNumberStepOuts, txtNumberStacks, txtNumberBerms,
                             txtCrestToToeSlopeAngle, txtToeToToeSlopeAngle,
                             txtSlopeHorizontalExtent, txtStackAngle, txtStackHorizontalExtend}) {
            EXPECT_FALSE(at(id).enabled) << indexOf(id);
        }
        for (ControlId id :
             {txtBenchAngle, txtBenchHorizontalExtend, txtBermWidth, txtStepOutWidth}) {
            EXPECT_TRUE(at(id).enabled) << indexOf(id);
        }
        EXPECT_TRUE(at(cmdClearAngles).visible);
        for (ControlId id : kCommandRow) {
            EXPECT_TRUE(at(id).visible) << indexOf(id);
        }
    }

    LookRecordingPlatform platform;
    MainWindow window{platform};
};

TEST_F(HardCopyTest, PrintsTheWindowInItsPrintLook) {
    drawDesign();
    const Look before = lookOf(window.controls());

    printHardCopy();

    ASSERT_EQ(platform.printCount, 1);
    const Look& printed = platform.lookWhenPrinted;
    auto at = [&](ControlId id) -> const ControlState& { return printed[indexOf(id)]; };
    EXPECT_EQ(at(frmPitwrightMain).backColor, BackColor::White);
    EXPECT_EQ(at(txtComment).backColor, BackColor::White);
    EXPECT_EQ(at(txtComment).width, 3015);
    EXPECT_FALSE(at(Picture1).border);
    for (const auto& group :
         {std::span<const ControlId>(kFieldGroups), std::span<const ControlId>(kFieldLabels),
          std::span<const ControlId>(kResultFields)}) {
        for (ControlId id : group) {
            EXPECT_EQ(at(id).backColor, BackColor::White) << indexOf(id);
            EXPECT_TRUE(at(id).enabled) << indexOf(id);
        }
    }
    for (ControlId id : kInputFields) {
        EXPECT_TRUE(at(id).enabled) << indexOf(id);
    }
    for (ControlId id : kCommandRow) {
        EXPECT_FALSE(at(id).visible) << indexOf(id);
    }
    EXPECT_FALSE(at(cmdClearAngles).visible);
    EXPECT_TRUE(at(cmdClearAngles).enabled);

    // The convention choice and its frame keep their look; texts are untouched.
    for (ControlId id : {Frame1, optCrestToToeSlopeAngle, optToeToToeSlopeAngle}) {
        EXPECT_EQ(at(id).backColor, before[indexOf(id)].backColor) << indexOf(id);
        EXPECT_EQ(at(id).enabled, before[indexOf(id)].enabled) << indexOf(id);
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(printed[i].text, before[i].text) << i;
    }
}

TEST_F(HardCopyTest, KeepsThePrintLookUntilTheMessageIsClosed) {
    drawDesign();
    printHardCopy();

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "A hard copy of the layout is being printed");
    EXPECT_EQ(platform.messages[0].title, "Printing hard copy");
    EXPECT_TRUE(sameLook(platform.lookWhileMessage, platform.lookWhenPrinted));
    expectWorkingLook(lookOf(window.controls()));
}

TEST_F(HardCopyTest, LeavesTheDesignAndTheDrawingAlone) {
    drawDesign();
    const auto strokes = platform.picture.strokes.size();
    const int clears = platform.picture.clsCount;
    const auto profileX = window.state().profileX;
    const auto benches = window.state().numberOfBenches;

    printHardCopy();

    EXPECT_EQ(platform.picture.strokes.size(), strokes);
    EXPECT_EQ(platform.picture.clsCount, clears);
    EXPECT_EQ(window.state().profileX, profileX);
    EXPECT_EQ(window.state().numberOfBenches, benches);
}

TEST_F(HardCopyTest, PrintingTwiceGivesTheSamePageAndTheSameWorkingLook) {
    drawDesign();
    printHardCopy();
    const Look firstPage = platform.lookWhenPrinted;
    const Look firstAfter = lookOf(window.controls());

    printHardCopy();

    EXPECT_EQ(platform.printCount, 2);
    EXPECT_TRUE(sameLook(platform.lookWhenPrinted, firstPage));
    EXPECT_TRUE(sameLook(lookOf(window.controls()), firstAfter));
}

TEST_F(HardCopyTest, WorkingLookIsFixedWhateverTheStateBefore) {
    drawDesign();
    ControlSet& controls = window.controls();
    // Open everything that stays locked afterwards and close what stays open.
    for (ControlId id : kInputFields) {
        controls.setEnabled(id, true);
    }
    for (ControlId id : kResultFields) {
        controls.setEnabled(id, false);
    }
    controls.setEnabled(lblToeToToeSlopeAngle, false);
    controls.setBackColor(lblToeToToeSlopeAngle, BackColor::White);

    printHardCopy();

    expectWorkingLook(lookOf(controls));
}

TEST_F(HardCopyTest, AfterClearPicturePrintsAnEmptyPictureWithoutBorder) {
    drawDesign();
    window.clicked(cmdClearPicture);

    printHardCopy();

    EXPECT_EQ(platform.printCount, 1);
    EXPECT_FALSE(platform.lookWhenPrinted[indexOf(Picture1)].border);
    expectWorkingLook(lookOf(window.controls()));
}

// Hiding the command that has the focus sends the focus elsewhere; after
// the hard copy it is back on the command, printed or not.
TEST_F(HardCopyTest, TheFocusComesBackToThePrintCommand) {
    drawDesign();
    window.focusGained(cmdPrintHardCopy);
    window.focusGained(txtComment); // as the toolkit moves it off a hidden button
    printHardCopy();
    EXPECT_EQ(window.focusedControl(), cmdPrintHardCopy);
    platform.printAnswer = {false, PrintProblem::NoDefaultPrinter, {}, {}};
    window.focusGained(txtComment);
    printHardCopy();
    EXPECT_EQ(window.focusedControl(), cmdPrintHardCopy);
}

TEST_F(HardCopyTest, ANotPrintedCopyIsReportedAndTheWindowWorksAgain) {
    drawDesign();
    platform.printAnswer = {false, PrintProblem::NoDefaultPrinter, {}, {}};

    printHardCopy();

    ASSERT_EQ(platform.messages.size(), 1u);
    const auto& message = platform.messages[0];
    EXPECT_EQ(message.title, "Printing hard copy");
    EXPECT_NE(message.text.find("Nothing was printed"), std::string::npos) << message.text;
    EXPECT_NE(message.text.find("There is no default printer."), std::string::npos);
    // The user reads it in a window that works again.
    expectWorkingLook(platform.lookWhileMessage);
    expectWorkingLook(lookOf(window.controls()));
}

// The print system may keep the window waiting a while: the pointer shows
// it is busy, and the user hears why nothing came out.
TEST_F(HardCopyTest, TheWaitForThePrintServerShowsTheBusyPointer) {
    drawDesign();
    platform.pointers.clear();
    platform.printAnswer = {false, PrintProblem::ServerDoesNotAnswer, {}, {}};

    printHardCopy();

    EXPECT_EQ(platform.pointers, (std::vector{MousePointer::Hourglass, MousePointer::Arrow}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("The print server does not answer"), std::string::npos)
        << platform.messages[0].text;
}

} // namespace
} // namespace pitwright::testing
