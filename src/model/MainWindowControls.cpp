#include "model/MainWindowControls.h"

namespace pitwright {
namespace {

using enum ControlId;
using K = ControlKind;

constexpr FontSpec kArial9{9.0, false, false};
constexpr FontSpec kArial825{8.25, false, false};
constexpr FontSpec kGroupFont{9.0, true, true};
constexpr FontSpec kSmallCommandFont{8.25, true, true};
constexpr FontSpec kGreyFont{6.75, false, true};

// Row styles inside the three groups.
constexpr ControlSpec inputLabel(ControlId id, const char* name, const char* caption, int top,
                                 int width, int tab, ControlId group, int height = 255) {
    return {id,  name,  K::Label, group,     caption, 120,
            top, width, height,   kArial825, kBlack,  BackColor::ButtonFace,
            tab, false, false,    ""};
}
constexpr ControlSpec resultLabel(ControlId id, const char* name, const char* caption, int top,
                                  int width, int tab, ControlId group) {
    return {id,  name,  K::Label, group,     caption,   240,
            top, width, 255,      kGreyFont, kDarkGrey, BackColor::ButtonFace,
            tab, false, false,    ""};
}
constexpr ControlSpec inputField(ControlId id, const char* name, int top, int tab,
                                 ControlId group) {
    return {id,        name,   K::TextBox,       group, "",   2040,  top, 855, 255,
            kArial825, kBlack, BackColor::White, tab,   true, false, ""};
}
constexpr ControlSpec resultField(ControlId id, const char* name, int top, int width, int tab,
                                  ControlId group) {
    return {id,  name,  K::TextBox, group,     "",        1920,
            top, width, 225,        kGreyFont, kDarkGrey, BackColor::ButtonFace,
            tab, false, true,       ""};
}
constexpr ControlSpec widthField(ControlId id, const char* name, int top, int tab,
                                 ControlId group) {
    return {id,  name,  K::TextBox, group,     "",     2040,
            top, 855,   255,        kArial825, kBlack, BackColor::ButtonFace,
            tab, false, true,       ""};
}
constexpr ControlSpec group(ControlId id, const char* name, const char* caption, int left, int top,
                            int width, int height, int tab) {
    return {id,     name,       K::Group, std::nullopt,          caption, left,  top,   width,
            height, kGroupFont, kBlack,   BackColor::ButtonFace, tab,     false, false, ""};
}
constexpr ControlSpec command(ControlId id, const char* name, const char* caption, int left,
                              int top, int width, int height, FontSpec font, int tab,
                              const char* toolTip) {
    return {id,     name, K::Command, std::nullopt,          caption, left, top,   width,
            height, font, kBlack,     BackColor::ButtonFace, tab,     true, false, toolTip};
}

constexpr ControlId kHeights = fraSlopeHeightDimensions;
constexpr ControlId kAngles = fraSlopeAngles;
constexpr ControlId kWidths = fraSlopeWidthDimensions;

constexpr std::array<ControlSpec, kControlCount> kControls{{
    {frmPitwrightMain, "frmPitwrightMain", K::Window, std::nullopt, "", 0, 0, kClientWidthTwips,
     kClientHeightTwips, kArial9, kBlack, BackColor::ButtonFace, -1, false, false, ""},
    {txtComment, "txtComment", K::TextBox, std::nullopt, "", 76, 0, 8460, 285, kArial825, kBlack,
     BackColor::White, 45, true, true, ""},
    {Picture1, "Picture1", K::Picture, std::nullopt, "", 76, 285, 8460, 7982, kArial825, kBlack,
     BackColor::White, 18, false, false, ""},
    group(Frame1, "Frame1", "Inter-ramp slope angle", 8880, 0, 2535, 916, 43),
    {optCrestToToeSlopeAngle, "optCrestToToeSlopeAngle", K::Option, Frame1,
     "Crest-to-toe slope angle", 240, 300, 2172, 255, kArial825, kBlack, BackColor::ButtonFace, 0,
     true, false, "Measured from the slope toe to the slope crest"},
    {optToeToToeSlopeAngle, "optToeToToeSlopeAngle", K::Option, Frame1, "Toe-to-toe slope angle",
     240, 600, 2172, 255, kArial825, kBlack, BackColor::ButtonFace, 1, true, false,
     "Measured from ramp bottom toe to upper toe (or bottom crest to upper crest)"},

    group(fraSlopeHeightDimensions, "fraSlopeHeightDimensions", "Slope height dimensions", 8640,
          998, 3015, 2235, 16),
    inputLabel(lblSlopeHeight, "lblSlopeHeight", "Slope height:", 300, 1725, 20, kHeights),
    inputField(txtSlopeHeight, "txtSlopeHeight", 300, 2, kHeights),
    inputLabel(lblBenchHeight, "lblBenchHeight", "Bench height:", 600, 1725, 21, kHeights),
    inputField(txtBenchHeight, "txtBenchHeight", 600, 3, kHeights),
    resultLabel(lblNumberBenches, "lblNumberBenches", "Number of benches:", 900, 1485, 29,
                kHeights),
    resultField(txtNumberBenches, "txtNumberBenches", 900, 735, 28, kHeights),
    resultLabel(lblNumberStepOuts, "lblNumberStepOuts", "Number of step outs:", 1140, 1485, 35,
                kHeights),
    resultField(txtNumberStepOuts, "txtNumberStepOuts", 1140, 735, 34, kHeights),
    inputLabel(lblBenchesPerStack, "lblBenchesPerStack", "Benches per stack:", 1380, 1725, 22,
               kHeights),
    inputField(txtBenchesPerStack, "txtBenchesPerStack", 1380, 4, kHeights),
    resultLabel(lblNumberStacks, "lblNumberStacks", "Number of stacks:", 1680, 1485, 30, kHeights),
    resultField(txtNumberStacks, "txtNumberStacks", 1680, 735, 31, kHeights),
    resultLabel(lblNumberBerms, "lblNumberBerms", "Number of berms:", 1920, 1485, 37, kHeights),
    resultField(txtNumberBerms, "txtNumberBerms", 1920, 735, 36, kHeights),

    group(fraSlopeAngles, "fraSlopeAngles", "Slope angles", 8640, 3319, 3015, 2400, 17),
    inputLabel(lblCrestToToeSlopeAngle, "lblCrestToToeSlopeAngle", "Crest-to-toe inter-ramp:", 300,
               1932, 23, kAngles, 252),
    inputField(txtCrestToToeSlopeAngle, "txtCrestToToeSlopeAngle", 300, 5, kAngles),
    inputLabel(lblToeToToeSlopeAngle, "lblToeToToeSlopeAngle", "Toe-to-toe inter-ramp:", 600, 1932,
               44, kAngles, 252),
    inputField(txtToeToToeSlopeAngle, "txtToeToToeSlopeAngle", 600, 6, kAngles),
    resultLabel(lblSlopeHorizontalExtent, "lblSlopeHorizontalExtent",
                "Overall horizontal (m):", 900, 1605, 32, kAngles),
    resultField(txtSlopeHorizontalExtent, "txtSlopeHorizontalExtent", 900, 855, 33, kAngles),
    inputLabel(lblStackAngle, "lblStackAngle", "Stack slope angle:", 1200, 1725, 24, kAngles),
    inputField(txtStackAngle, "txtStackAngle", 1200, 7, kAngles),
    resultLabel(lblStackHorizontalExtend, "lblStackHorizontalExtend", "Stack horizontal (m):", 1500,
                1605, 39, kAngles),
    resultField(txtStackHorizontalExtend, "txtStackHorizontalExtend", 1500, 855, 38, kAngles),
    inputLabel(lblBatterAngle, "lblBatterAngle", "Bench slope angle:", 1800, 1725, 25, kAngles),
    inputField(txtBenchAngle, "txtBenchAngle", 1800, 8, kAngles),
    resultLabel(lblBenchHorizontalExtend, "lblBenchHorizontalExtend", "Bench horizontal (m):", 2100,
                1605, 41, kAngles),
    resultField(txtBenchHorizontalExtend, "txtBenchHorizontalExtend", 2100, 855, 40, kAngles),

    group(fraSlopeWidthDimensions, "fraSlopeWidthDimensions", "Slope width dimensions", 8640, 5803,
          3015, 945, 19),
    inputLabel(lblBermWidth, "lblBermWidth", "Catchment berms (m):", 300, 1845, 26, kWidths),
    widthField(txtBermWidth, "txtBermWidth", 300, 14, kWidths),
    inputLabel(lblStepWidth, "lblStepWidth", "Step out widths (m):", 600, 1725, 27, kWidths),
    widthField(txtStepOutWidth, "txtStepOutWidth", 600, 15, kWidths),

    command(cmdClearAngles, "cmdClearAngles", "CLEAR", 11690, 4531, 210, 1155, {6.75, true, false},
            42, ""),
    command(cmdCalcAndDraw, "cmdCalcAndDraw", "Accept values and draw picture", 8640, 6840, 3135,
            495, {9.0, true, false}, 9,
            "Draw a representative picture of the currently entered data"),
    command(cmd3Dview, "cmd3Dview", "Write a 3D-file", 8640, 7440, 1575, 375, kSmallCommandFont, 10,
            "Write a 3D-file in Map3D ASC-format"),
    command(cmdPrintHardCopy, "cmdPrintHardCopy", "Print a hard copy", 10200, 7440, 1575, 375,
            kSmallCommandFont, 11, "Print a copy to the default printer"),
    command(cmdResetValues, "cmdResetValues", "New evaluation", 8640, 7920, 1575, 345,
            kSmallCommandFont, 12,
            "Start a new evaluation - erase all the information as well as the picture"),
    command(cmdClearPicture, "cmdClearPicture", "Clear picture", 10200, 7920, 1575, 345,
            kSmallCommandFont, 13, "Clear the picture only"),
}};

constexpr bool tableFollowsIdOrder() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (indexOf(kControls[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsIdOrder(), "the control table must list controls in ControlId order");

} // namespace

std::span<const ControlSpec> mainWindowControls() {
    return kControls;
}

const ControlSpec& controlSpec(ControlId id) {
    return kControls[indexOf(id)];
}

} // namespace pitwright
