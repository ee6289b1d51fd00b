#include "SectionProfile.h"

namespace pitwright {
namespace {

// The hot loop of tall designs: one pass per berm over every point above it.
// Wide vector units only make it faster; each point still receives its
// additions one after another, so the sums are the same on every machine.
__attribute__((target_clones("avx2", "default"))) void shiftRun(double* run, std::size_t length,
                                                                double shift) {
    for (std::size_t i = 0; i < length; ++i) {
        run[i] = shift + run[i];
    }
}

void clampBelowSmallestWidth(double& width) {
    if (width < kSmallestWidth) {
        width = 0;
    }
}

} // namespace

bool canBuildSectionProfile(const SlopeDesignState& state) {
    return state.numberOfBenches >= 0 && state.benchesPerStack >= 1;
}

void allocateProfileAndClampWidths(SlopeDesignState& state) {
    const auto rows = static_cast<std::size_t>(state.numberOfBenches) + 1;
    state.profileX.assignZeros(rows);
    state.profileY.assignZeros(rows);
    state.canvasX.assignZeros(rows);
    state.canvasY.assignZeros(rows);
    clampBelowSmallestWidth(state.stepOutWidth);
    clampBelowSmallestWidth(state.bermWidth);
    clampBelowSmallestWidth(state.benchHorizontalExtent);
}

void widenBermLedges(PointRows& x, int numberOfBenches, int benchesPerStack, int numberOfBerms,
                     double shift) {
    const int n = numberOfBenches;
    const long long lastPass = static_cast<long long>(numberOfBerms) + 1;
    for (long long j = 1; j <= lastPass; ++j) {
        const long long first = j * benchesPerStack;
        if (first > n - 1) {
            break; // later passes start further up and do nothing either
        }
        // Ledge end (k, 1) and the next face top (k + 1, 0) lie side by side
        // in memory, so one pass shifts one contiguous run.
        const std::size_t length = 2 * static_cast<std::size_t>(n - first);
        shiftRun(&x(static_cast<std::size_t>(first), 1), length, shift);
    }
}

void traceSectionProfile(SlopeDesignState& state) {
    const int n = state.numberOfBenches;
    PointRows& x = state.profileX;
    PointRows& y = state.profileY;
    x(0, 0) = 0.0;
    y(0, 0) = 0.0;
    x(0, 1) = x(0, 0);
    y(0, 1) = y(0, 0);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
        x(i, 0) = x(i - 1, 1) + state.benchHorizontalExtent;
        y(i, 0) = y(i - 1, 1) + state.benchHeight;
        if (i < static_cast<std::size_t>(n)) {
            x(i, 1) = x(i, 0) + state.stepOutWidth;
            y(i, 1) = y(i, 0);
        }
    }
    const double bermWidening = state.bermWidth - state.stepOutWidth;
    widenBermLedges(x, n, state.benchesPerStack, state.numberOfBerms, bermWidening);
    const auto crest = static_cast<std::size_t>(n);
    x(crest, 1) = x(crest, 0);
    y(crest, 1) = y(crest, 0);
}

bool buildSectionProfile(SlopeDesignState& state) {
    if (!canBuildSectionProfile(state)) {
        return false;
    }
    allocateProfileAndClampWidths(state);
    traceSectionProfile(state);
    return true;
}

} // namespace pitwright
