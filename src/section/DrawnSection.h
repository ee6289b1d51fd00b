#pragma once

#include "model/SlopeDesignState.h"
#include "model/SlopeRelations.h"

namespace pitwright {

// The design as it was drawn: the profile rows 0..n in metres, the counts it
// was built with and the inter-ramp convention of the design. The profile is
// referred to, not copied; it must outlive this.
struct DrawnSection {
    const PointRows& profileX;
    const PointRows& profileY;
    int numberOfBenches = 0;
    int benchesPerStack = 0;
    int numberOfBerms = 0;
    InterRampConvention convention = InterRampConvention::CrestToToe;
};

// The drawn design of a design record, as the last calculation left it.
DrawnSection drawnSectionOf(const SlopeDesignState& state, InterRampConvention convention);

enum class SheetVerdict {
    Drawn,
    NoBenches,          // the profile is the toe alone
    NoHeight,           // the wall does not rise above its toe
    NoHorizontalExtent, // faces, step outs and berms all 0 m wide
    TooLarge,           // a point is not a finite number, or no round scale fits the wall
    ProfileMismatch,    // the rows do not match the bench count, or no whole stacks
};

// Whether the section can be drawn at all, and if not, why.
SheetVerdict checkDrawnSection(const DrawnSection& section);

// Whether the ledge on top of bench `row` (1..n-1) is a catchment berm: the
// profile widens the ledges on benches j x benchesPerStack, j = 1..berms + 1.
bool isBermLedge(const DrawnSection& section, int row);

} // namespace pitwright
