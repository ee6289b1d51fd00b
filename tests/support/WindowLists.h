#pragma once

// The lists of controls the window's behaviour fixes, written down once for
// every test; WindowLists_test checks them against the control table.
#include "model/ControlId.h"

#include <array>

namespace pitwright::testing {

// The sixteen text fields a reset empties, in the order it empties them:
// every text box of the window but the comment line.
inline constexpr std::array kResetFields{
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

// The seven inputs, in the order of the data file's lines.
inline constexpr std::array kInputFields{
    ControlId::txtSlopeHeight,        ControlId::txtBenchHeight,
    ControlId::txtBenchesPerStack,    ControlId::txtCrestToToeSlopeAngle,
    ControlId::txtToeToToeSlopeAngle, ControlId::txtStackAngle,
    ControlId::txtBenchAngle,
};

// The nine fields only the program writes.
inline constexpr std::array kResultFields{
    ControlId::txtNumberBenches,         ControlId::txtNumberStepOuts,
    ControlId::txtNumberStacks,          ControlId::txtNumberBerms,
    ControlId::txtSlopeHorizontalExtent, ControlId::txtStackHorizontalExtend,
    ControlId::txtBenchHorizontalExtend, ControlId::txtBermWidth,
    ControlId::txtStepOutWidth,
};

// The labels of the sixteen fields, in the window's order.
inline constexpr std::array kFieldLabels{
    ControlId::lblSlopeHeight,        ControlId::lblBenchHeight,
    ControlId::lblNumberBenches,      ControlId::lblNumberStepOuts,
    ControlId::lblBenchesPerStack,    ControlId::lblNumberStacks,
    ControlId::lblNumberBerms,        ControlId::lblCrestToToeSlopeAngle,
    ControlId::lblToeToToeSlopeAngle, ControlId::lblSlopeHorizontalExtent,
    ControlId::lblStackAngle,         ControlId::lblStackHorizontalExtend,
    ControlId::lblBatterAngle,        ControlId::lblBenchHorizontalExtend,
    ControlId::lblBermWidth,          ControlId::lblStepWidth,
};

// The three titled groups of fields.
inline constexpr std::array kFieldGroups{ControlId::fraSlopeHeightDimensions,
                                         ControlId::fraSlopeAngles,
                                         ControlId::fraSlopeWidthDimensions};

// The command buttons, "CLEAR" first as the window lists them.
inline constexpr std::array kCommands{ControlId::cmdClearAngles, ControlId::cmdCalcAndDraw,
                                      ControlId::cmd3Dview,      ControlId::cmdPrintHardCopy,
                                      ControlId::cmdResetValues, ControlId::cmdClearPicture};

// The commands a drawing enables, in the order it enables them.
inline constexpr std::array kCommandsOfADrawing{ControlId::cmdPrintHardCopy, ControlId::cmd3Dview,
                                                ControlId::cmdClearAngles,
                                                ControlId::cmdClearPicture};

// The commands closed in the start state: the drawing command and those a
// drawing enables.
inline constexpr std::array kCommandsClosedAtStart{
    ControlId::cmdCalcAndDraw, ControlId::cmd3Dview, ControlId::cmdPrintHardCopy,
    ControlId::cmdClearAngles, ControlId::cmdClearPicture};

} // namespace pitwright::testing
