#pragma once

#include "export3d/ShellExport.h"
#include "export3d/SurfaceQuad.h"

#include <span>
#include <string>
#include <string_view>

namespace pitwright {

// The shell as an ASCII drawing exchange file of release 12 (AC1009): a
// header naming the release, a layer table with one layer per surface code,
// and one 3DFACE per panel, in panel order, whose corners are the panel's
// corners (x, s, z as group codes 10/20/30 to 13/23/33) to full precision.
// Zero-width panels stay in, so a shell of n benches has 4n + 7 faces.
// Lines end in CR LF. Layers, by surface code:
//   9 BENCH_FACES            colour 1 (red)
//   4 BENCH_TOPS             colour 3 (green)
//   1 PIT_WALL_AND_LID       colour 5 (blue)
//   0 FLOOR_ENDS_AND_GROUND  colour 8 (grey): pit floor, end walls, ground
//                            and wall behind the crest
std::string_view dxfLayerName(SurfaceCode code);

// Appends the file to `out`; every coordinate must be finite.
void appendShellDxf(std::span<const SurfaceQuad> panels, std::string& out);

// The whole file, or DimensionTooLarge when a coordinate is not finite.
ShellFile shellDxfFile(std::span<const SurfaceQuad> panels);

} // namespace pitwright
