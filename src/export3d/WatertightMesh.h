#pragma once

#include "export3d/ShellExport.h"
#include "export3d/SurfaceQuad.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pitwright {

// A corner of the mesh, in the frame of the panels: x from the pit towards
// the crest, s along strike, z pointing down; metres.
struct MeshPoint {
    double x = 0;
    double s = 0;
    double z = 0;

    bool operator==(const MeshPoint&) const = default;
};

// Three indices into the vertices, anticlockwise seen from outside the solid.
using MeshTriangle = std::array<std::uint32_t, 3>;

// The shell as a closed triangle mesh: every edge is shared by exactly two
// triangles that run along it in opposite senses, and the triangles face
// outwards (the enclosed volume is positive).
struct WatertightMesh {
    std::vector<MeshPoint> vertices; // distinct, in order of first use
    std::vector<MeshTriangle> triangles;
    double volume = 0;              // enclosed, in cubic metres
    std::size_t tJunctions = 0;     // corners that split a panel edge they lie on
    std::size_t zeroAreaPanels = 0; // panels left out
};

struct MeshOutcome {
    WatertightMesh mesh;                     // empty when refused
    std::optional<ShellFileRefusal> refusal; // why there is no mesh
};

// The mesh of the panels of a shell as build3DSurface gives them, in its
// order (the lid last, the ground behind the crest sixth from last): equal
// corners merged, panels of zero area left out, every panel edge split at
// the corners of other panels that lie inside it (where the end walls meet
// the bench ledges and the wall in the pit), each panel cut into triangles
// of non-zero area, all turned outwards. Refuses with DimensionTooLarge,
// LidOnTheGround or NotClosed.
MeshOutcome buildWatertightMesh(std::span<const SurfaceQuad> panels);

// A vertex rounded to the nearest 32-bit floats, as an STL file holds it.
using FloatPoint = std::array<float, 3>;

std::vector<FloatPoint> singlePrecisionVertices(const WatertightMesh& mesh);

// Whether the mesh keeps its shape in 32-bit floats: every vertex stays
// finite and distinct from the others, and every triangle keeps a non-zero
// area and the side it faces.
bool survivesSinglePrecision(const WatertightMesh& mesh);

} // namespace pitwright
