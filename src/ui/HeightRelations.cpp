// Slope height, bench height and benches per stack: the counts of benches,
// step outs, stacks and berms, and the opening of the entry stages.
#include "model/NumberText.h"
#include "model/SlopeRelations.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright {

using enum ControlId;

void frmPitwrightMain::txtSlopeHeight_Change() {
    if (controls_.value(txtSlopeHeight) != 0) {
        controls_.setEnabled(lblBenchHeight, true);
        controls_.setEnabled(txtBenchHeight, true);
    } else {
        controls_.setEnabled(txtBenchHeight, false);
    }
}

void frmPitwrightMain::txtBenchHeight_Change() {
    if (controls_.value(txtBenchHeight) == 0) {
        controls_.setEnabled(txtSlopeHeight, true);
        controls_.setEnabled(txtNumberBenches, false);
        controls_.setEnabled(txtBenchesPerStack, false);
        controls_.setEnabled(txtNumberStepOuts, false);
        controls_.setText(txtNumberBenches, "");
        controls_.setText(txtNumberStepOuts, "");
    } else {
        controls_.setEnabled(txtSlopeHeight, false);
        for (ControlId id : {lblNumberBenches, txtNumberBenches, lblBenchesPerStack,
                             txtBenchesPerStack, lblNumberStepOuts, txtNumberStepOuts}) {
            controls_.setEnabled(id, true);
        }
    }
}

void frmPitwrightMain::txtBenchesPerStack_GotFocus() {
    const double slopeHeight = controls_.value(txtSlopeHeight);
    const double benchHeight = controls_.value(txtBenchHeight);
    if (slopeHeight != 0 && benchHeight != 0) {
        const BenchCountResult derived = benchCountFor(slopeHeight, benchHeight);
        benchCountRefusal_ = derived.refusal;
        if (derived.refusal) {
            noteCountsLeftUnchanged(*derived.refusal);
        } else {
            state_.slopeHeight = slopeHeight;
            state_.benchHeight = benchHeight;
            state_.numberOfBenches = derived.count.benches;
            state_.numberOfStepOuts = derived.count.stepOuts;
            controls_.setText(txtNumberBenches, formatCount(state_.numberOfBenches));
            controls_.setText(txtNumberStepOuts, formatCount(state_.numberOfStepOuts));
            if (derived.count.raisedSlopeHeight) {
                state_.slopeHeight = *derived.count.raisedSlopeHeight;
                controls_.setText(txtSlopeHeight, formatGeneral(state_.slopeHeight));
            }
        }
    }
    selectAllOnFocus(txtBenchesPerStack);
}

void frmPitwrightMain::txtBenchesPerStack_Change() {
    const double perStackValue = controls_.value(txtBenchesPerStack);

    // Stacks and berms, and the slope raised to whole stacks.
    if (controls_.value(txtNumberBenches) != 0 && perStackValue != 0) {
        stackCountRefusal_ = deriveStackCounts(perStackValue);
        if (stackCountRefusal_) {
            noteCountsLeftUnchanged(*stackCountRefusal_);
        }
    }

    // Open or close the inter-ramp angle stage.
    if (perStackValue == 0) {
        for (ControlId id : {txtBenchHeight, txtNumberBenches, txtNumberStepOuts}) {
            controls_.setEnabled(id, true);
        }
        for (ControlId id : {txtNumberStacks, txtNumberBerms, txtCrestToToeSlopeAngle,
                             txtToeToToeSlopeAngle, txtSlopeHorizontalExtent}) {
            controls_.setEnabled(id, false);
        }
        controls_.setText(txtNumberStacks, "");
        controls_.setText(txtNumberBerms, "");
        return;
    }
    for (ControlId id : {txtBenchHeight, txtNumberBenches, txtNumberStepOuts}) {
        controls_.setEnabled(id, false);
    }
    for (ControlId id : {lblNumberStacks, txtNumberStacks, lblNumberBerms, txtNumberBerms}) {
        controls_.setEnabled(id, true);
    }
    const bool crestToToe = controls_.isSelected(optCrestToToeSlopeAngle);
    controls_.setEnabled(lblCrestToToeSlopeAngle, crestToToe);
    controls_.setEnabled(txtCrestToToeSlopeAngle, crestToToe);
    controls_.setEnabled(lblToeToToeSlopeAngle, !crestToToe);
    controls_.setEnabled(txtToeToToeSlopeAngle, !crestToToe);
    controls_.setEnabled(optCrestToToeSlopeAngle, false);
    controls_.setEnabled(optToeToToeSlopeAngle, false);
    controls_.setEnabled(txtSlopeHorizontalExtent, true);
    controls_.setEnabled(lblSlopeHorizontalExtent, true);
    controls_.setEnabled(fraSlopeAngles, true);
}

void frmPitwrightMain::txtSlopeHeight_GotFocus() {
    selectAllOnFocus(txtSlopeHeight);
}

void frmPitwrightMain::txtBenchHeight_GotFocus() {
    selectAllOnFocus(txtBenchHeight);
}

std::optional<CountRefusal> frmPitwrightMain::deriveStackCounts(double perStackValue) {
    if (benchCountRefusal_) {
        // The bench count shown belongs to other heights: raising the slope
        // by it would overwrite the slope height just typed.
        return benchCountRefusal_;
    }
    const BenchesPerStackResult perStack = benchesPerStackFor(perStackValue);
    if (perStack.refusal) {
        return perStack.refusal;
    }
    if (const auto beyond = stackCountsFor(state_.numberOfBenches, perStack.benchesPerStack);
        beyond.refusal) {
        return beyond.refusal;
    }
    state_.benchesPerStack = perStack.benchesPerStack;
    // Rewriting 2.6 as 3 runs this reaction again, nested, first; it may
    // raise the bench count, so the counts are taken afterwards.
    controls_.setText(txtBenchesPerStack, formatCount(state_.benchesPerStack));
    state_.stepOutsPerStack = perStack.stepOutsPerStack;

    const StackCountsResult derived =
        stackCountsFor(state_.numberOfBenches, state_.benchesPerStack);
    if (derived.refusal) {
        return derived.refusal;
    }
    const StackCounts& counts = derived.counts;
    state_.numberOfStacks = counts.stacks;
    state_.numberOfBerms = counts.berms;
    controls_.setText(txtNumberStacks, formatCount(state_.numberOfStacks));
    controls_.setText(txtNumberBerms, formatCount(state_.numberOfBerms));
    if (counts.raised) {
        state_.numberOfBenches = counts.benches;
        state_.numberOfStepOuts = counts.stepOuts;
        controls_.setText(txtNumberBenches, formatCount(state_.numberOfBenches));
        controls_.setText(txtNumberStepOuts, formatCount(state_.numberOfStepOuts));
        if (const auto raisedHeight =
                slopeHeightOfBenches(state_.numberOfBenches, state_.benchHeight)) {
            state_.slopeHeight = *raisedHeight;
            controls_.setText(txtSlopeHeight, formatGeneral(state_.slopeHeight));
        }
    }
    return std::nullopt;
}

void frmPitwrightMain::noteCountsLeftUnchanged(CountRefusal why) {
    controls_.setText(txtComment, countsLeftUnchangedNote(why));
}

} // namespace pitwright
