// The checks of the design the window holds, beside its own relations.
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright {

using enum ControlId;

std::optional<CatchBermCheck> frmPitwrightMain::catchBermCheck() const {
    if (controls_.text(txtBermWidth).empty()) {
        return std::nullopt;
    }
    CatchBermDesign design;
    design.slopeHeight = state_.slopeHeight;
    design.benchHeight = state_.benchHeight;
    design.benchesPerStack = state_.benchesPerStack;
    design.numberOfStacks = state_.numberOfStacks;
    design.numberOfBerms = state_.numberOfBerms;
    design.stackAngle = controls_.value(txtStackAngle);
    design.stackHorizontalExtent = state_.stackHorizontalExtent;
    design.bermWidth = state_.bermWidth;
    design.convention = selectedConvention();
    return checkCatchBerm(design);
}

std::string frmPitwrightMain::catchBermStatus() const {
    const auto check = catchBermCheck();
    if (!check) {
        return {};
    }
    return catchBermStatusText(*check, controls_.text(txtBermWidth), selectedConvention());
}

} // namespace pitwright
