#include "export3d/ShellStl.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace pitwright {
namespace {

// Readers take a file that starts with "solid" for the text form, so the
// heading must not.
constexpr std::string_view kHeading =
    "Pitwright 3D shell: x to the crest, s along strike, z down; m";
static_assert(kHeading.size() <= 80);

constexpr std::size_t kFacetBytes = 50;

char* putUint32(char* p, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) {
        *p++ = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return p;
}

char* putFloat(char* p, float value) {
    return putUint32(p, std::bit_cast<std::uint32_t>(value));
}

// From the corners as the file holds them, so that a reader that works the
// normal out again finds the same one.
std::array<float, 3> unitNormal(const FloatPoint& a, const FloatPoint& b, const FloatPoint& c) {
    const double ux = double{b[0]} - a[0], us = double{b[1]} - a[1], uz = double{b[2]} - a[2];
    const double vx = double{c[0]} - a[0], vs = double{c[1]} - a[1], vz = double{c[2]} - a[2];
    const double nx = us * vz - uz * vs;
    const double ns = uz * vx - ux * vz;
    const double nz = ux * vs - us * vx;
    const double length = std::sqrt(nx * nx + ns * ns + nz * nz);
    // Adding zero writes a zero component as 0, not -0.
    return {static_cast<float>(nx / length) + 0.0f, static_cast<float>(ns / length) + 0.0f,
            static_cast<float>(nz / length) + 0.0f};
}

} // namespace

bool appendShellStl(const WatertightMesh& mesh, std::string& out) {
    if (!survivesSinglePrecision(mesh) ||
        mesh.triangles.size() > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + 84 + kFacetBytes * mesh.triangles.size());
    char* p = out.data() + start;
    std::fill(p, p + 80, ' ');
    std::copy(kHeading.begin(), kHeading.end(), p);
    p = putUint32(p + 80, static_cast<std::uint32_t>(mesh.triangles.size()));
    // The floats come from memory, never straight from a rounding in this
    // loop: see survivesSinglePrecision.
    const std::vector<FloatPoint> corners = singlePrecisionVertices(mesh);
    for (const MeshTriangle& t : mesh.triangles) {
        const FloatPoint& a = corners[t[0]];
        const FloatPoint& b = corners[t[1]];
        const FloatPoint& c = corners[t[2]];
        for (const float n : unitNormal(a, b, c)) {
            p = putFloat(p, n);
        }
        for (const FloatPoint* corner : {&a, &b, &c}) {
            for (const float value : *corner) {
                p = putFloat(p, value);
            }
        }
        *p++ = 0;
        *p++ = 0;
    }
    return true;
}

ShellFile shellStlFile(std::span<const SurfaceQuad> panels) {
    const MeshOutcome outcome = buildWatertightMesh(panels);
    if (outcome.refusal) {
        return {{}, outcome.refusal};
    }
    ShellFile file;
    if (!appendShellStl(outcome.mesh, file.bytes)) {
        file.refusal = ShellFileRefusal::CollapsesInSinglePrecision;
    }
    return file;
}

} // namespace pitwright
