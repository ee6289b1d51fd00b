#pragma once

#include "export3d/SurfaceQuad.h"
#include "model/SlopeDesignState.h"

#include <vector>

namespace pitwright {

// Whether the profile has the rows 0..numberOfBenches the shell is swept
// from.
bool profileCoversBenches(const SlopeDesignState& state);

// The closed shell swept from the profile along strike: 4n + 7 panels for
// n = numberOfBenches, in this order: the pit floor strip, the n near end
// bands, the n far end bands, face and top of each bench in turn, then the
// ground and wall behind the crest, the two end walls above the crest, the
// wall in the pit and the lid. Empty when shellRefusalFor gives a reason
// other than a non-finite coordinate. Reads only.
std::vector<SurfaceQuad> build3DSurface(const SlopeDesignState& state);

} // namespace pitwright
