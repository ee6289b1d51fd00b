#pragma once

#include <cstddef>
#include <cstdint>

namespace pitwright {

// Every control of the main window, the window itself first. The order is
// the order of the control table (MainWindowControls.cpp).
enum class ControlId : std::uint8_t {
    frmPitwrightMain,
    txtComment,
    Picture1,
    Frame1,
    optCrestToToeSlopeAngle,
    optToeToToeSlopeAngle,
    fraSlopeHeightDimensions,
    lblSlopeHeight,
    txtSlopeHeight,
    lblBenchHeight,
    txtBenchHeight,
    lblNumberBenches,
    txtNumberBenches,
    lblNumberStepOuts,
    txtNumberStepOuts,
    lblBenchesPerStack,
    txtBenchesPerStack,
    lblNumberStacks,
    txtNumberStacks,
    lblNumberBerms,
    txtNumberBerms,
    fraSlopeAngles,
    lblCrestToToeSlopeAngle,
    txtCrestToToeSlopeAngle,
    lblToeToToeSlopeAngle,
    txtToeToToeSlopeAngle,
    lblSlopeHorizontalExtent,
    txtSlopeHorizontalExtent,
    lblStackAngle,
    txtStackAngle,
    lblStackHorizontalExtend,
    txtStackHorizontalExtend,
    lblBatterAngle,
    txtBenchAngle,
    lblBenchHorizontalExtend,
    txtBenchHorizontalExtend,
    fraSlopeWidthDimensions,
    lblBermWidth,
    txtBermWidth,
    lblStepWidth,
    txtStepOutWidth,
    cmdClearAngles,
    cmdCalcAndDraw,
    cmd3Dview,
    cmdPrintHardCopy,
    cmdResetValues,
    cmdClearPicture,
};

inline constexpr std::size_t kControlCount =
    static_cast<std::size_t>(ControlId::cmdClearPicture) + 1;

inline constexpr std::size_t indexOf(ControlId id) {
    return static_cast<std::size_t>(id);
}

enum class ControlKind : std::uint8_t { Window, TextBox, Label, Group, Option, Command, Picture };

// The two colours the window uses: white and the system's button face.
enum class BackColor : std::uint8_t { ButtonFace, White };

} // namespace pitwright
