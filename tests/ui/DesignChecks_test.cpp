// The catch berm check as the window shows it while a design is typed.
#include "support/WindowFixture.h"

namespace pitwright::testing {
namespace {

using enum ControlId;

using DesignChecks = WindowFixture;

TEST_F(DesignChecks, TheCatchBermCheckFollowsTheTyping) {
    EXPECT_EQ(window.catchBermStatus(), "");
    enterHeights("100", "10", "5");
    enter(txtCrestToToeSlopeAngle, "45");
    EXPECT_EQ(window.catchBermStatus(), ""); // no berm width yet
    enter(txtStackAngle, "60");
    EXPECT_EQ(window.catchBermStatus(),
              "\u2714 Catch berm 42.26 m meets the modified Ritchie criterion, 14.5 m (margin "
              "+27.76 m); steepest crest-to-toe angle for it 54.2\u00B0.");

    window.cmdClearAngles_Click();
    enter(txtStackAngle, "47");
    EXPECT_TRUE(window.catchBermStatus().starts_with(
        "\u2718 Catch berm 6.75 m is too narrow for the modified Ritchie criterion, 14.5 m "
        "(margin -7.75 m)"))
        << window.catchBermStatus();
}

TEST_F(DesignChecks, TheToeToToeDesignNamesItsConvention) {
    selectToeToToe();
    enterHeights("100", "10", "5");
    enter(txtToeToToeSlopeAngle, "40");
    enter(txtStackAngle, "60");
    const std::string status = window.catchBermStatus();
    EXPECT_NE(status.find("Catch berm 30.72 m meets"), std::string::npos) << status;
    EXPECT_NE(status.find("steepest toe-to-toe angle for it 49.1"), std::string::npos) << status;
}

TEST_F(DesignChecks, OneStackHasNoCatchBermToCheck) {
    enterHeights("100", "10", "10");
    enter(txtCrestToToeSlopeAngle, "45");
    enter(txtStackAngle, "60");
    EXPECT_EQ(window.catchBermStatus(),
              "Catch berm check (modified Ritchie): does not apply, one stack, no catch berm.");
}

} // namespace
} // namespace pitwright::testing
