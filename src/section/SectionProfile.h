#pragma once

#include "model/SlopeDesignState.h"
#include "model/SlopeRelations.h"

namespace pitwright {

// A profile needs at least the toe (numberOfBenches >= 0) and whole stacks
// (benchesPerStack >= 1); anything else lies outside the data model.
bool canBuildSectionProfile(const SlopeDesignState& state);

// Allocates the profile arrays afresh (rows 0..numberOfBenches,
// all zero) and sets the step-out width, berm width and bench horizontal
// extent to 0 where they are below 0.01 m.
void allocateProfileAndClampWidths(SlopeDesignState& state);

// Traces the wall from the toe to the crest into the allocated arrays.
void traceSectionProfile(SlopeDesignState& state);

// Both of the above; refuses (returns false, changes nothing) a design
// outside the data model.
bool buildSectionProfile(SlopeDesignState& state);

// Adds `shift` to every ledge end and face top after bench j * benchesPerStack,
// for j = 1..numberOfBerms + 1: widens the catchment berms. Shared by the
// profile (metres) and the drawing (canvas units).
void widenBermLedges(PointRows& x, int numberOfBenches, int benchesPerStack, int numberOfBerms,
                     double shift);

} // namespace pitwright
