#include "export3d/ShellObj.h"

#include "export3d/RoundTripNumber.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace pitwright {
namespace {

constexpr std::string_view kHeading =
    "# Pitwright 3D shell: x from the pit to the crest, s along strike, z down; metres\r\n";

// "v", three numbers after a blank each, CR LF; a face line, with indices
// of at most ten digits, is shorter.
constexpr std::size_t kLongestLine = 1 + 3 * (1 + kRoundTripMaxChars) + 2;

} // namespace

void appendShellObj(const WatertightMesh& mesh, std::string& out) {
    out.reserve(out.size() + kHeading.size() + 40 * mesh.vertices.size() +
                24 * mesh.triangles.size());
    out.append(kHeading);
    std::array<char, kLongestLine> line{};
    for (const MeshPoint& p : mesh.vertices) {
        char* end = line.data();
        *end++ = 'v';
        for (const double value : {p.x, p.s, p.z}) {
            *end++ = ' ';
            end = writeRoundTrip(end, value);
        }
        *end++ = '\r';
        *end++ = '\n';
        out.append(line.data(), end);
    }
    for (const MeshTriangle& t : mesh.triangles) {
        char* end = line.data();
        *end++ = 'f';
        for (const std::uint32_t index : t) {
            *end++ = ' ';
            end = std::to_chars(end, line.data() + line.size(), std::uint64_t{index} + 1).ptr;
        }
        *end++ = '\r';
        *end++ = '\n';
        out.append(line.data(), end);
    }
}

ShellFile shellObjFile(std::span<const SurfaceQuad> panels) {
    const MeshOutcome outcome = buildWatertightMesh(panels);
    if (outcome.refusal) {
        return {{}, outcome.refusal};
    }
    ShellFile file;
    appendShellObj(outcome.mesh, file.bytes);
    return file;
}

} // namespace pitwright
