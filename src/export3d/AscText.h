#pragma once

#include "export3d/SurfaceQuad.h"

#include <span>
#include <string>

namespace pitwright {

// Appends the Map3D ASC lines of the panels to `out`, one line per corner:
// x, s, z, the vertex code ("3" opens a panel, "2" continues it) and the
// surface code, separated by tabs and ended by CR LF. No header, no trailer.
void appendAscText(std::span<const SurfaceQuad> quads, std::string& out);

std::string ascText(std::span<const SurfaceQuad> quads);

} // namespace pitwright
