// Inter-ramp, stack and bench angles: horizontal extents, berm and step-out
// widths, the other convention's inter-ramp angle and the two angle checks.
#include "model/NumberText.h"
#include "model/SlopeRelations.h"
#include "ui/frmPitwrightMain.h"

#include <cmath>

namespace pitwright {

using enum ControlId;

namespace {

constexpr const char* kAngleErrorTitle = "Angle error";

// A relation whose result no field can show (a zero tangent or divisor)
// leaves the member and its field as they were.
bool usable(double value) {
    return std::isfinite(value);
}

ControlId interRampField(InterRampConvention convention) {
    return convention == InterRampConvention::CrestToToe ? txtCrestToToeSlopeAngle
                                                         : txtToeToToeSlopeAngle;
}

} // namespace

InterRampConvention frmPitwrightMain::selectedConvention() const {
    return controls_.isSelected(optCrestToToeSlopeAngle) ? InterRampConvention::CrestToToe
                                                         : InterRampConvention::ToeToToe;
}

void frmPitwrightMain::optCrestToToeSlopeAngle_Click() {
    controls_.setText(lblSlopeHorizontalExtent, "Crest-to-toe horizontal (m):");
    controls_.setText(txtComment, "Measured from the slope toe to the slope crest");
}

void frmPitwrightMain::optToeToToeSlopeAngle_Click() {
    controls_.setText(lblSlopeHorizontalExtent, "Inter-ramp horizontal (m):");
    controls_.setText(
        txtComment, "Measured from ramp bottom toe to upper toe (or bottom crest to upper crest)");
}

void frmPitwrightMain::txtCrestToToeSlopeAngle_Change() {
    subInterRampAngleChanged();
}

void frmPitwrightMain::txtToeToToeSlopeAngle_Change() {
    subInterRampAngleChanged();
}

void frmPitwrightMain::subInterRampAngleChanged() {
    const bool anyAngle = controls_.value(txtCrestToToeSlopeAngle) != 0 ||
                          controls_.value(txtToeToToeSlopeAngle) != 0;
    if (controls_.value(txtSlopeHeight) != 0 && anyAngle) {
        const double angle = controls_.value(interRampField(selectedConvention()));
        const double extent = slopeHorizontalExtentFor(state_.slopeHeight, angle);
        if (usable(extent)) {
            state_.slopeHorizontalExtent = extent;
            controls_.setText(txtSlopeHorizontalExtent, formatRounded(extent, 3));
        }
    }
    if (!anyAngle) {
        for (ControlId id : {txtBenchesPerStack, txtNumberStacks, txtNumberBerms}) {
            controls_.setEnabled(id, true);
        }
        controls_.setEnabled(txtStackAngle, false);
        controls_.setEnabled(txtSlopeHorizontalExtent, false);
        controls_.setText(txtSlopeHorizontalExtent, "");
    } else {
        for (ControlId id :
             {lblSlopeHorizontalExtent, txtSlopeHorizontalExtent, txtStackAngle, lblStackAngle}) {
            controls_.setEnabled(id, true);
        }
        for (ControlId id : {txtBenchesPerStack, txtNumberStacks, txtNumberBerms}) {
            controls_.setEnabled(id, false);
        }
    }
}

void frmPitwrightMain::txtStackAngle_Change() {
    const double stackAngle = controls_.value(txtStackAngle);
    const InterRampConvention convention = selectedConvention();
    const bool crestToToe = convention == InterRampConvention::CrestToToe;

    if (controls_.value(txtBenchesPerStack) != 0 && controls_.value(txtBenchHeight) != 0 &&
        stackAngleComputes(stackAngle)) {
        const double stackExtent =
            stackHorizontalExtentFor(state_.benchesPerStack, state_.benchHeight, stackAngle);
        if (usable(stackExtent)) {
            state_.stackHorizontalExtent = stackExtent;
        }
        if (state_.numberOfBerms == 0) {
            state_.bermWidth = 0;
            controls_.setText(txtBermWidth, formatRounded(0, 2));
            controls_.setText(txtStackHorizontalExtend, formatGeneral(0));
        } else {
            const double berm =
                bermWidthFor(state_.slopeHorizontalExtent, state_.numberOfStacks,
                             state_.stackHorizontalExtent, state_.numberOfBerms, convention);
            if (usable(berm)) {
                state_.bermWidth = berm;
                controls_.setText(txtBermWidth, formatRounded(berm, 2));
            }
            if (const auto otherAngle =
                    otherInterRampAngleFor(state_.slopeHeight, state_.slopeHorizontalExtent,
                                           state_.bermWidth, convention)) {
                controls_.setText(crestToToe ? txtToeToToeSlopeAngle : txtCrestToToeSlopeAngle,
                                  formatRounded(*otherAngle, 1));
            }
            controls_.setText(txtStackHorizontalExtend,
                              formatRounded(state_.stackHorizontalExtent, 2));
        }
    }

    if (stackAngle == 0) {
        controls_.setEnabled(txtCrestToToeSlopeAngle, crestToToe);
        controls_.setEnabled(txtToeToToeSlopeAngle, !crestToToe);
        controls_.setEnabled(txtSlopeHorizontalExtent, true);
        for (ControlId id : {txtBenchAngle, txtBermWidth, txtStackHorizontalExtend}) {
            controls_.setEnabled(id, false);
        }
        controls_.setText(txtBermWidth, "");
        controls_.setText(txtStackHorizontalExtend, "");
    } else {
        for (ControlId id :
             {txtCrestToToeSlopeAngle, txtToeToToeSlopeAngle, txtSlopeHorizontalExtent}) {
            controls_.setEnabled(id, false);
        }
        for (ControlId id : {lblBatterAngle, txtBenchAngle, lblBermWidth, txtStackHorizontalExtend,
                             lblStackHorizontalExtend, txtBermWidth, fraSlopeWidthDimensions}) {
            controls_.setEnabled(id, true);
        }
    }

    // With one bench per stack the bench face is the stack face.
    if (controls_.value(txtBenchesPerStack) == 1) {
        controls_.setEnabled(lblBatterAngle, false);
        controls_.setEnabled(txtBenchAngle, false);
        controls_.setEnabled(cmdCalcAndDraw, true);
    }
}

void frmPitwrightMain::txtBenchAngle_GotFocus() {
    const double crestToToe = controls_.value(txtCrestToToeSlopeAngle);
    const double toeToToe = controls_.value(txtToeToToeSlopeAngle);
    if (stackAngleTooSmall(crestToToe, toeToToe, controls_.value(txtStackAngle))) {
        platform_.messageBox("The stack slope angle cannot be smaller than the Crest-to-toe or "
                             "inter-ramp slope angle",
                             kAngleErrorTitle);
        // Read again: the box let other events run.
        const ControlId larger = interRampField(largerInterRampAngle(
            controls_.value(txtCrestToToeSlopeAngle), controls_.value(txtToeToToeSlopeAngle)));
        controls_.setText(txtStackAngle, std::string(controls_.text(larger)));
    }
    selectAllOnFocus(txtBenchAngle);
}

void frmPitwrightMain::txtBenchAngle_Change() {
    const double benchAngle = controls_.value(txtBenchAngle);
    if (controls_.value(txtBenchHeight) != 0 && benchAngle != 0) {
        const double benchExtent = benchHorizontalExtentFor(state_.benchHeight, benchAngle);
        if (usable(benchExtent)) {
            state_.benchHorizontalExtent = benchExtent;
        }
        if (state_.stepOutsPerStack == 0) {
            state_.stepOutWidth = 0;
            controls_.setText(txtStepOutWidth, formatRounded(0, 2));
            controls_.setText(txtBenchHorizontalExtend, formatGeneral(0));
        } else {
            const double stepOut =
                stepOutWidthFor(state_.stackHorizontalExtent, state_.benchesPerStack,
                                state_.benchHorizontalExtent, state_.stepOutsPerStack);
            if (usable(stepOut)) {
                state_.stepOutWidth = stepOut;
                controls_.setText(txtStepOutWidth, formatRounded(stepOut, 2));
            }
            controls_.setText(txtBenchHorizontalExtend,
                              formatRounded(state_.benchHorizontalExtent, 2));
        }
    }

    if (benchAngle == 0) {
        controls_.setEnabled(txtStackAngle, true);
        controls_.setEnabled(txtStackHorizontalExtend, true);
        for (ControlId id : {txtBermWidth, txtStepOutWidth, txtBenchHorizontalExtend}) {
            controls_.setEnabled(id, false);
        }
        controls_.setText(txtStepOutWidth, "");
        controls_.setText(txtBenchHorizontalExtend, "");
    } else {
        controls_.setEnabled(txtStackAngle, false);
        controls_.setEnabled(txtStackHorizontalExtend, false);
        for (ControlId id : {txtBermWidth, lblBermWidth, lblStepWidth, txtBenchHorizontalExtend,
                             lblBenchHorizontalExtend, txtStepOutWidth, cmdCalcAndDraw}) {
            controls_.setEnabled(id, true);
        }
    }
}

void frmPitwrightMain::cmdCalcAndDraw_GotFocus() {
    if (controls_.value(txtBenchesPerStack) == 1) {
        controls_.setText(txtBenchAngle, std::string(controls_.text(txtStackAngle)));
    }
    if (benchAngleTooSmall(controls_.value(txtStackAngle), controls_.value(txtBenchAngle))) {
        platform_.messageBox("The bench angle cannot be smaller than the stack angle",
                             kAngleErrorTitle);
        controls_.setText(txtBenchAngle, std::string(controls_.text(txtStackAngle)));
    }
}

void frmPitwrightMain::txtCrestToToeSlopeAngle_GotFocus() {
    selectAllOnFocus(txtCrestToToeSlopeAngle);
}

void frmPitwrightMain::txtToeToToeSlopeAngle_GotFocus() {
    selectAllOnFocus(txtToeToToeSlopeAngle);
}

void frmPitwrightMain::txtStackAngle_GotFocus() {
    selectAllOnFocus(txtStackAngle);
}

} // namespace pitwright
