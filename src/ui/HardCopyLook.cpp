#include "ui/HardCopyLook.h"

#include <array>

namespace pitwright {
namespace {

using enum ControlId;

constexpr std::array kFrames{fraSlopeHeightDimensions, fraSlopeAngles, fraSlopeWidthDimensions};

constexpr std::array kLabels{
    lblSlopeHeight,        lblBenchHeight,           lblNumberBenches, lblNumberStepOuts,
    lblBenchesPerStack,    lblNumberStacks,          lblNumberBerms,   lblCrestToToeSlopeAngle,
    lblToeToToeSlopeAngle, lblSlopeHorizontalExtent, lblStackAngle,    lblStackHorizontalExtend,
    lblBatterAngle,        lblBenchHorizontalExtend, lblBermWidth,     lblStepWidth,
};

constexpr std::array kDerivedFields{
    txtNumberBenches,         txtNumberStepOuts,        txtNumberStacks,          txtNumberBerms,
    txtSlopeHorizontalExtent, txtStackHorizontalExtend, txtBenchHorizontalExtend, txtBermWidth,
    txtStepOutWidth,
};

constexpr std::array kInputFields{
    txtSlopeHeight,        txtBenchHeight, txtBenchesPerStack, txtCrestToToeSlopeAngle,
    txtToeToToeSlopeAngle, txtStackAngle,  txtBenchAngle,
};

// The row of commands under the groups. "CLEAR", beside the angles, is
// hidden and shown with the colours.
constexpr std::array kCommands{cmdCalcAndDraw, cmd3Dview, cmdPrintHardCopy, cmdResetValues,
                               cmdClearPicture};

// After a hard copy the heights, counts, inter-ramp angles and the stack stay
// locked; the bench angle and the widths stay open.
constexpr std::array kLockedAfterPrint{
    txtSlopeHeight,        txtBenchHeight,           txtBenchesPerStack, txtNumberBenches,
    txtNumberStepOuts,     txtNumberStacks,          txtNumberBerms,     txtCrestToToeSlopeAngle,
    txtToeToToeSlopeAngle, txtSlopeHorizontalExtent, txtStackAngle,      txtStackHorizontalExtend,
};
constexpr std::array kOpenAfterPrint{txtBenchAngle, txtBenchHorizontalExtend, txtBermWidth,
                                     txtStepOutWidth};

template <std::size_t N>
void setBackColor(ControlSet& controls, const std::array<ControlId, N>& ids, BackColor color) {
    for (ControlId id : ids) {
        controls.setBackColor(id, color);
    }
}

template <std::size_t N>
void setEnabled(ControlSet& controls, const std::array<ControlId, N>& ids, bool enabled) {
    for (ControlId id : ids) {
        controls.setEnabled(id, enabled);
    }
}

template <std::size_t N>
void setVisible(ControlSet& controls, const std::array<ControlId, N>& ids, bool visible) {
    for (ControlId id : ids) {
        controls.setVisible(id, visible);
    }
}

// Window, comment line, picture, frames, labels and derived fields.
void applyColoursAndShapes(ControlSet& controls, BackColor color, int commentWidth,
                           bool pictureBorder) {
    controls.setBackColor(frmPitwrightMain, color);
    controls.setBackColor(txtComment, color);
    controls.setWidth(txtComment, commentWidth);
    controls.setBorder(Picture1, pictureBorder);
    setBackColor(controls, kFrames, color);
    setBackColor(controls, kLabels, color);
    setBackColor(controls, kDerivedFields, color);
}

} // namespace

void applyPrintLook(ControlSet& controls) {
    applyColoursAndShapes(controls, BackColor::White, kCommentWidthPrinted, false);
    controls.setVisible(cmdClearAngles, false);

    setVisible(controls, kCommands, false);

    // Disabled fields and labels print greyed out; on paper every value
    // should read alike.
    setEnabled(controls, kFrames, true);
    setEnabled(controls, kLabels, true);
    setEnabled(controls, kInputFields, true);
    setEnabled(controls, kDerivedFields, true);
    controls.setVisible(cmdClearAngles, false);
    controls.setEnabled(cmdClearAngles, true);
}

void applyWorkingLook(ControlSet& controls) {
    applyColoursAndShapes(controls, BackColor::ButtonFace, kCommentWidthAfterPrint, true);
    controls.setVisible(cmdClearAngles, true);

    setVisible(controls, kCommands, true);

    setEnabled(controls, kFrames, true);
    setEnabled(controls, kLabels, true);
    setEnabled(controls, kLockedAfterPrint, false);
    setEnabled(controls, kOpenAfterPrint, true);
    controls.setVisible(cmdClearAngles, true);
}

} // namespace pitwright
