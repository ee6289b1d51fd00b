#pragma once

#include "export3d/ShellExport.h"
#include "export3d/SurfaceQuad.h"
#include "export3d/WatertightMesh.h"

#include <span>
#include <string>

namespace pitwright {

// The mesh as Wavefront OBJ text: a comment line, one "v x s z" line per
// vertex to full precision, then one "f a b c" line per triangle (vertices
// counted from 1, anticlockwise seen from outside). Lines end in CR LF.
void appendShellObj(const WatertightMesh& mesh, std::string& out);

// The OBJ file of the shell's panels, or why the panels make no solid.
ShellFile shellObjFile(std::span<const SurfaceQuad> panels);

} // namespace pitwright
