#pragma once

#include "ui/StabilityAnalysis.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace pitwright::cli {

// The three rock-mass values of `show --stability GAMMA,C,PHI`: unit weight
// (kN/m3), cohesion (kPa) and friction angle (degrees), as typed.
struct StabilityValues {
    std::string unitWeight;
    std::string cohesion;
    std::string frictionAngle;
};

// Splits "GAMMA,C,PHI"; nothing unless there are exactly three parts.
std::optional<StabilityValues> stabilityValuesOf(const std::string& text);

// The stability check of the drawn design in the window, with the default
// target factor of safety.
StabilityAnalysis analyseStability(const frmPitwrightMain& window, const StabilityValues& values);

// The figures as lines below the table, in the window's words: the factors
// against the target, the critical circles' centres, radii, exits and
// entries, the search and the ground model.
void writeStabilityTable(std::ostream& out, const StabilityAnalysis& analysis);

// The same as the value of the JSON key "stability": {"targetFactor",
// "wholeSlope", "worstStack"}, each circle {"factorOfSafety", "meetsTarget",
// "centre": [x, y], "radius", "exit": [x, y], "entry": [x, y]} and the worst
// stack's "stack" (1 the lowest), or null where there is none.
void writeStabilityJson(std::ostream& out, const StabilityAnalysis& analysis);

} // namespace pitwright::cli
