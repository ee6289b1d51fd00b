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

// Maps the built profile onto the canvas and draws the closed outline: floor
// line, the wall (twice as thick), crest surface line and the closing lines.
// Draws nothing when the wall cannot be scaled, and says why.
SectionDrawing drawSection(SlopeDesignState& state, Canvas& canvas);

} // namespace pitwright
