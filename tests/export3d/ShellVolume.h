#pragma once

#include "export3d/ShellSizes.h"
#include "model/SlopeDesignState.h"

#include <gtest/gtest.h>

namespace pitwright::testing {

// The volume of open space a shell encloses, worked out from the design
// instead of the profile: the box from the wall in the pit to the wall
// behind the crest, along the whole strike, from the toe up to the lid,
// less the rock under the slope. Band by band, the cross-section of the
// open space between the heights of face i is a trapezoid from the wall in
// the pit (xp) to the face, whose toe lies at (i - 1)(e + w) + d B(i - 1):
// e the face run, w the step-out, d = berm - step-out and B(k) the number
// of berms on benches up to k. Summed over the n faces:
//   h [ n(n - 1)/2 (e + w) + n e/2 + d (m n - p m(m + 1)/2) - n xp ]
// with p benches to a stack and m berms, at benches p, 2p, ... mp. Above
// the crest the open space is (xb - xp) wide and the top margin high, with
// xb = xc + crest margin and xc = n e + (n - 1) w + m d.
// Holds for a design the relations leave consistent, widths already clamped.
inline double closedFormShellVolume(const SlopeDesignState& state) {
    const auto sizes = shellSizesFor(state.slopeHeight);
    EXPECT_TRUE(sizes.has_value());
    const double n = state.numberOfBenches;
    const double p = state.benchesPerStack;
    double m = 0;
    for (int j = 1; j <= state.numberOfBerms + 1; ++j) {
        m += j * state.benchesPerStack <= state.numberOfBenches - 1 ? 1 : 0;
    }
    const double h = state.benchHeight;
    const double e = state.benchHorizontalExtent;
    const double w = state.stepOutWidth;
    const double d = state.bermWidth - state.stepOutWidth;
    const double xp = sizes->pitSideX;
    const double xc = n == 0 ? 0 : n * e + (n - 1) * w + m * d;
    const double xb = xc + sizes->crestMargin;
    const double benches =
        h * (n * (n - 1) / 2 * (e + w) + n * e / 2 + d * (m * n - p * m * (m + 1) / 2) - n * xp);
    const double aboveCrest = (xb - xp) * sizes->topMargin;
    return sizes->strikeLength * (benches + aboveCrest);
}

} // namespace pitwright::testing
