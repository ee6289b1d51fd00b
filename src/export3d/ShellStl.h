#pragma once

#include "export3d/ShellExport.h"
#include "export3d/SurfaceQuad.h"
#include "export3d/WatertightMesh.h"

#include <span>
#include <string>

namespace pitwright {

// The mesh as a binary STL file: an 80-byte heading, the facet count, and
// per triangle its outward unit normal, its three corners (anticlockwise
// seen from outside) and a zero attribute word; numbers as little-endian
// 32-bit floats and integers. Appends nothing and returns false when the
// mesh does not survive the rounding to floats (survivesSinglePrecision).
[[nodiscard]] bool appendShellStl(const WatertightMesh& mesh, std::string& out);

// The STL file of the shell's panels, or why the panels make no solid in
// single precision.
ShellFile shellStlFile(std::span<const SurfaceQuad> panels);

} // namespace pitwright
