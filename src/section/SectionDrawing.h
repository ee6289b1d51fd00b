#pragma once

#include "model/SlopeDesignState.h"
#include "section/Canvas.h"

namespace pitwright {

enum class SectionDrawing {
    Drawn,
    NoBenches,          // the profile is the toe alone
    NoHorizontalExtent, // faces, step outs and berms all 0 m wide
    NoHeight,           // the wall does not rise above its toe
    TooLarge,           // the scale is beyond what the canvas can take
};

// Where the drawing put the profile on the canvas, in canvas units.
struct SectionCanvas {
    double marginX = 0;                 // left end of the floor line and of the closing side
    double marginY = 0;                 // the toe level, the top of the drawing
    std::int16_t surfaceLineLength = 0; // the floor line and the crest surface line
    std::int16_t baseDepth = 0;         // from the crest level down to the base line
    PointRows canvasX;                  // every profile point, rows 0..n
    PointRows canvasY;
    double canvasCrestEndX = 0; // right end of the crest surface line
    double canvasBaseY = 0;     // the closing base line
};

// Maps the built profile onto the canvas and draws the closed outline: floor
// line, the wall (twice as thick), crest surface line and the closing lines.
// Draws nothing when the wall cannot be scaled, and says why. `drawn` keeps
// where each point went.
SectionDrawing drawSection(const SlopeDesignState& state, Canvas& canvas, SectionCanvas& drawn);
SectionDrawing drawSection(const SlopeDesignState& state, Canvas& canvas);

} // namespace pitwright
