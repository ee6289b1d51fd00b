#include "cli/WindowFields.h"

namespace pitwright::cli {

using enum ControlId;

// The result columns name a unit where the caption has none, so that no
// result column reads as one of the input columns of a sweep.
const std::array<ShownField, kShownFieldCount>& shownFields() {
    static constexpr std::array<ShownField, kShownFieldCount> kFields{{
        {txtSlopeHeight, lblSlopeHeight, "slopeHeight", "Slope height (m)"},
        {txtBenchHeight, lblBenchHeight, "benchHeight", "Bench height (m)"},
        {txtNumberBenches, lblNumberBenches, "numberOfBenches", "Number of benches"},
        {txtNumberStepOuts, lblNumberStepOuts, "numberOfStepOuts", "Number of step outs"},
        {txtBenchesPerStack, lblBenchesPerStack, "benchesPerStack", "Benches per stack (rounded)"},
        {txtNumberStacks, lblNumberStacks, "numberOfStacks", "Number of stacks"},
        {txtNumberBerms, lblNumberBerms, "numberOfBerms", "Number of berms"},
        {txtCrestToToeSlopeAngle, lblCrestToToeSlopeAngle, "crestToToeAngle",
         "Crest-to-toe inter-ramp (deg)"},
        {txtToeToToeSlopeAngle, lblToeToToeSlopeAngle, "toeToToeAngle",
         "Toe-to-toe inter-ramp (deg)"},
        {txtSlopeHorizontalExtent, lblSlopeHorizontalExtent, "overallHorizontal",
         "Overall horizontal (m)"},
        {txtStackAngle, lblStackAngle, "stackAngle", "Stack slope angle (deg)"},
        {txtStackHorizontalExtend, lblStackHorizontalExtend, "stackHorizontal",
         "Stack horizontal (m)"},
        {txtBenchAngle, lblBatterAngle, "benchAngle", "Bench slope angle (deg)"},
        {txtBenchHorizontalExtend, lblBenchHorizontalExtend, "benchHorizontal",
         "Bench horizontal (m)"},
        {txtBermWidth, lblBermWidth, "bermWidth", "Catchment berms (m)"},
        {txtStepOutWidth, lblStepWidth, "stepOutWidth", "Step out widths (m)"},
    }};
    return kFields;
}

std::string captionOf(const ControlSet& controls, ControlId label) {
    std::string caption = controls.text(label);
    if (!caption.empty() && caption.back() == ':') {
        caption.pop_back();
    }
    return caption;
}

} // namespace pitwright::cli
