#pragma once

// The designs the tests type into the window, each written down once.
#include "ui/frmPitwrightMain.h"

#include <string>

namespace pitwright::testing {

// A design as the user types it: the convention, then the seven texts.
struct TypedDesign {
    InterRampConvention convention = InterRampConvention::CrestToToe;
    std::string slopeHeight;
    std::string benchHeight;
    std::string benchesPerStack;
    std::string interRampAngle; // in the convention's field
    std::string stackAngle;
    std::string benchAngle; // empty: left alone, as with one bench per stack
};

// The README's design: 10 benches of 10 m, 5 to a stack, crest-to-toe 45,
// stack angle 60, bench angle 75. The window shows 2 stacks and 1 berm,
// overall horizontal 100, stack horizontal 28.87, catchment berm 42.26,
// toe-to-toe 35.1, bench horizontal 2.68 and step out 3.87.
inline const TypedDesign kReadmeDesign{
    InterRampConvention::CrestToToe, "100", "10", "5", "45", "60", "75"};

// The same wall measured toe-to-toe at 40: overall horizontal 119.175, berm
// 30.72 (shared by two), crest-to-toe 48.5.
inline const TypedDesign kToeToToeDesign{
    InterRampConvention::ToeToToe, "100", "10", "5", "40", "60", "75"};

// Three benches to a stack: the slope grows to 12 benches, 120 m.
inline const TypedDesign kThreePerStackDesign{
    InterRampConvention::CrestToToe, "100", "10", "3", "45", "50", "70"};

// `benches` benches of 10 m, 7 to a stack where they divide evenly (32,767 =
// 7 x 4,681), else 5, with the README design's angles. Ten benches give the
// README's design.
inline TypedDesign benchDesign(int benches) {
    return {InterRampConvention::CrestToToe,
            std::to_string(benches * 10),
            "10",
            benches % 7 == 0 ? "7" : "5",
            "45",
            "60",
            "75"};
}

// Types the design into a loaded window as a user would, field by field:
// each field gains the focus (running its focus reaction), then takes the
// text. The convention is clicked first where another one is selected.
inline void typeDesign(frmPitwrightMain& window, const TypedDesign& design) {
    auto type = [&](ControlId id, const std::string& text) {
        window.focusGained(id);
        window.userEditedText(id, text);
    };
    const bool crestToToe = design.convention == InterRampConvention::CrestToToe;
    const ControlId option =
        crestToToe ? ControlId::optCrestToToeSlopeAngle : ControlId::optToeToToeSlopeAngle;
    if (!window.controls().isSelected(option)) {
        window.clicked(option);
    }
    type(ControlId::txtSlopeHeight, design.slopeHeight);
    type(ControlId::txtBenchHeight, design.benchHeight);
    type(ControlId::txtBenchesPerStack, design.benchesPerStack);
    type(crestToToe ? ControlId::txtCrestToToeSlopeAngle : ControlId::txtToeToToeSlopeAngle,
         design.interRampAngle);
    type(ControlId::txtStackAngle, design.stackAngle);
    if (!design.benchAngle.empty()) {
        type(ControlId::txtBenchAngle, design.benchAngle);
    }
}

// The design of `benches` benches typed, up to the drawing command.
inline void enterBenchDesign(frmPitwrightMain& window, int benches) {
    typeDesign(window, benchDesign(benches));
    window.focusGained(ControlId::cmdCalcAndDraw);
}

} // namespace pitwright::testing
