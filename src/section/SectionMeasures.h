#pragma once

#include "section/DrawnSection.h"

#include <optional>

namespace pitwright {

// A ledge of the profile: the one on top of bench `row`, and its width.
struct MeasuredLedge {
    int row = 0;
    double width = 0;
};

// The toe-to-toe line: from the toe of the slope to the toe of the top
// stack, the foot of the face above the highest berm.
struct MeasuredToeToToe {
    int topStackToeRow = 0; // the berm whose far end is the toe of the top stack
    double angle = 0;       // degrees
    // Where the line reaches the crest's level, measured from the toe: the
    // horizontal extent of the toe-to-toe convention, one berm beyond the crest.
    double horizontal = 0;
};

// The figures a section drawing dimensions, measured on the drawn profile
// (not taken from the fields, which may have changed since, and which show
// widths the profile clamped). Lengths in metres, angles in degrees from the
// horizontal. Each is measured where the drawing dimensions it: the lowest
// bench, the lowest step out, the lowest catchment berm, the lowest stack.
struct SectionMeasures {
    double benchHeight = 0;
    double benchFaceAngle = 0;
    std::optional<MeasuredLedge> stepOut;
    std::optional<MeasuredLedge> berm;
    int stackTopRow = 0; // the lowest stack runs from the toe to the top of this bench
    double stackHeight = 0;
    double stackAngle = 0;
    double overallHeight = 0;
    double overallHorizontal = 0;
    double crestToToeAngle = 0;
    std::optional<MeasuredToeToToe> toeToToe; // only with a catchment berm
};

// Measures a section that checkDrawnSection finds drawable.
SectionMeasures measureSection(const DrawnSection& section);

// The angle above the horizontal of the line from `run`, `rise` (metres),
// in degrees, with the program's value of pi; 90 for a vertical line.
double angleOfRise(double run, double rise);

} // namespace pitwright
