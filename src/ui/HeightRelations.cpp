// Slope height, bench height and benches per stack: the counts of benches,
// step outs, stacks and berms, and the opening of the entry stages.
#include "model/NumberText.h"
#include "ui/frmPitwrightMain.h"

#include <cmath>

namespace pitwright {

using enum ControlId;

namespace {

bool fitsCount16(long long value) {
    return value >= -32768 && value <= 32767;
}

// The counts that benches per stack give for a bench count.
struct StackCounts {
    long long stacks = 0;
    long long berms = 0;
    bool raised = false; // the benches did not divide evenly: whole stacks now
    long long benches = 0;
    long long stepOuts = 0;
};

StackCounts stackCountsFor(long long benches, long long benchesPerStack) {
    const long long quotient = benches / benchesPerStack; // truncated towards zero
    StackCounts counts;
    if (quotient * benchesPerStack == benches) {
        counts.stacks = quotient;
        counts.berms = quotient - 1;
        counts.benches = benches;
    } else {
        counts.stacks = quotient + 1;
        counts.berms = quotient;
        counts.raised = true;
        counts.benches = benchesPerStack * counts.stacks;
    }
    counts.stepOuts = counts.benches - 1;
    return counts;
}

bool fits(const StackCounts& c) {
    return fitsCount16(c.stacks) && fitsCount16(c.berms) && fitsCount16(c.benches) &&
           fitsCount16(c.stepOuts);
}

} // namespace

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
        const double benches = slopeHeight / benchHeight;
        const bool whole = benches == roundHalfEven(benches);
        // Never rounded down: 10.4 benches become 11, just as 10.6 do.
        const auto count = toCount16(whole ? benches : std::ceil(benches));
        benchCountLeftUnchanged_ = !count || !fitsCount16(static_cast<long long>(*count) - 1);
        if (benchCountLeftUnchanged_) {
            noteCountsLeftUnchanged("Slope height / bench height gives more benches than "
                                    "-32768 to 32767");
        } else {
            state_.slopeHeight = slopeHeight;
            state_.benchHeight = benchHeight;
            state_.numberOfBenches = *count;
            state_.numberOfStepOuts = static_cast<std::int16_t>(*count - 1);
            controls_.setText(txtNumberBenches, formatCount(state_.numberOfBenches));
            controls_.setText(txtNumberStepOuts, formatCount(state_.numberOfStepOuts));
            const double raisedHeight = state_.numberOfBenches * state_.benchHeight;
            if (!whole && std::isfinite(raisedHeight)) {
                state_.slopeHeight = raisedHeight;
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
        const auto perStack = toCount16(perStackValue);
        if (benchCountLeftUnchanged_) {
            // The bench count shown belongs to other heights: raising the
            // slope by it would overwrite the slope height just typed.
            noteCountsLeftUnchanged("Slope height / bench height gives more benches than "
                                    "-32768 to 32767");
        } else if (!perStack || *perStack == 0 || !fitsCount16(*perStack - 1LL)) {
            noteCountsLeftUnchanged("Benches per stack must round to a whole number other "
                                    "than 0, within -32768 to 32767");
        } else if (!fits(stackCountsFor(state_.numberOfBenches, *perStack))) {
            noteCountsLeftUnchanged("That many benches per stack takes the number of "
                                    "benches beyond -32768 to 32767");
        } else {
            state_.benchesPerStack = *perStack;
            // Rewriting 2.6 as 3 runs this reaction again, nested, first; it
            // may raise the bench count, so the counts are taken afterwards.
            controls_.setText(txtBenchesPerStack, formatCount(state_.benchesPerStack));
            state_.stepOutsPerStack = static_cast<std::int16_t>(state_.benchesPerStack - 1);

            const StackCounts counts =
                stackCountsFor(state_.numberOfBenches, state_.benchesPerStack);
            state_.numberOfStacks = static_cast<std::int16_t>(counts.stacks);
            state_.numberOfBerms = static_cast<std::int16_t>(counts.berms);
            controls_.setText(txtNumberStacks, formatCount(state_.numberOfStacks));
            controls_.setText(txtNumberBerms, formatCount(state_.numberOfBerms));
            if (counts.raised) {
                state_.numberOfBenches = static_cast<std::int16_t>(counts.benches);
                state_.numberOfStepOuts = static_cast<std::int16_t>(counts.stepOuts);
                controls_.setText(txtNumberBenches, formatCount(state_.numberOfBenches));
                controls_.setText(txtNumberStepOuts, formatCount(state_.numberOfStepOuts));
                const double raisedHeight = state_.numberOfBenches * state_.benchHeight;
                if (std::isfinite(raisedHeight)) {
                    state_.slopeHeight = raisedHeight;
                    controls_.setText(txtSlopeHeight, formatGeneral(state_.slopeHeight));
                }
            }
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

void frmPitwrightMain::noteCountsLeftUnchanged(const std::string& why) {
    controls_.setText(txtComment, why + ": the counts were left unchanged.");
}

} // namespace pitwright
