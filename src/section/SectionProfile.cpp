#include "section/SectionProfile.h"

#include "section/RepeatedAddition.h"

#include <algorithm>

namespace pitwright {
namespace {

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
    clampBelowSmallestWidth(state.stepOutWidth);
    clampBelowSmallestWidth(state.bermWidth);
    clampBelowSmallestWidth(state.benchHorizontalExtent);
}

void widenBermLedges(PointRows& x, int numberOfBenches, int benchesPerStack, int numberOfBerms,
                     double shift) {
    // Pass j = 1..numberOfBerms + 1 adds the shift to the ledge end (k, 1) and
    // the next face top (k + 1, 0) for k = j * benchesPerStack..n - 1. So
    // each of those two points receives one addition per pass that reaches
    // it: min(k / benchesPerStack, numberOfBerms + 1) of them, in turn.
    const long long n = numberOfBenches;
    const long long passes = static_cast<long long>(numberOfBerms) + 1;
    for (long long k = benchesPerStack; k <= n - 1 && passes > 0; ++k) {
        const long long additions = std::min(k / benchesPerStack, passes);
        const auto row = static_cast<std::size_t>(k);
        x(row, 1) = addRepeatedly(x(row, 1), shift, additions);
        x(row + 1, 0) = addRepeatedly(x(row + 1, 0), shift, additions);
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
