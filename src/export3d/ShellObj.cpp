#include "export3d/ShellObj.h"

#include "export3d/RoundTripNumber.h"

#include <array>
#include <charconv>

namespace pitwright {
namespace {

constexpr std::string_view kHeading =
    "# Pitwright 3D shell: x from the pit to the crest, s along strike, z down; metres\r\n";

constexpr std::size_t kLongestVertexLine = 2 + 3 * (kRoundTripMaxChars + 1) + 1;
constexpr std::size_t kLongestFaceLine = 2 + 3 * 11 + 1;

} // namespace

void appendShellObj(const WatertightMesh& mesh, std::string& out) {
    out.reserve(out.size() + kHeading.size() + 40 * mesh.vertices.size() +
                24 * mesh.triangles.size());
    out.append(kHeading);
    std::array<char, kLongestVertexLine> line{};
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
