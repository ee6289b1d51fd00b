#include "export3d/ShellDxf.h"

#include "export3d/RoundTripNumber.h"

#include <array>
#include <cmath>

namespace pitwright {
namespace {

struct Layer {
    SurfaceCode code;
    std::string_view name;
    int colour; // index into the standard 256-colour palette
};

constexpr std::array<Layer, 4> kLayers{{
    {SurfaceCode::BenchFace, "BENCH_FACES", 1},
    {SurfaceCode::BenchTop, "BENCH_TOPS", 3},
    {SurfaceCode::PitWallLid, "PIT_WALL_AND_LID", 5},
    {SurfaceCode::Other, "FLOOR_ENDS_AND_GROUND", 8},
}};

// Every line of the file is a group code line or a value line.
void appendPair(std::string& out, std::string_view code, std::string_view value) {
    out.append(code);
    out.append("\r\n");
    out.append(value);
    out.append("\r\n");
}

void appendHeaderAndTables(std::string& out) {
    appendPair(out, "0", "SECTION");
    appendPair(out, "2", "HEADER");
    appendPair(out, "9", "$ACADVER");
    appendPair(out, "1", "AC1009");
    appendPair(out, "0", "ENDSEC");

    appendPair(out, "0", "SECTION");
    appendPair(out, "2", "TABLES");
    appendPair(out, "0", "TABLE");
    appendPair(out, "2", "LTYPE");
    appendPair(out, "70", "1");
    appendPair(out, "0", "LTYPE");
    appendPair(out, "2", "CONTINUOUS");
    appendPair(out, "70", "0");
    appendPair(out, "3", "Solid line");
    appendPair(out, "72", "65");
    appendPair(out, "73", "0");
    appendPair(out, "40", "0");
    appendPair(out, "0", "ENDTAB");
    appendPair(out, "0", "TABLE");
    appendPair(out, "2", "LAYER");
    appendPair(out, "70", std::to_string(kLayers.size()));
    for (const Layer& layer : kLayers) {
        appendPair(out, "0", "LAYER");
        appendPair(out, "2", layer.name);
        appendPair(out, "70", "0");
        appendPair(out, "62", std::to_string(layer.colour));
        appendPair(out, "6", "CONTINUOUS");
    }
    appendPair(out, "0", "ENDTAB");
    appendPair(out, "0", "ENDSEC");
}

// One 3DFACE, formatted into a buffer of its own: its longest form is the
// fixed text plus twelve numbers at their longest.
constexpr std::size_t kLongestFace = 160 + 12 * (4 + kRoundTripMaxChars + 2);

char* writeLine(char* p, std::string_view text) {
    for (char c : text) {
        *p++ = c;
    }
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

char* writeNumberLine(char* p, double value) {
    p = writeRoundTrip(p, value);
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

constexpr std::array<std::array<std::string_view, 3>, 4> kCornerCodes{{
    {"10", "20", "30"},
    {"11", "21", "31"},
    {"12", "22", "32"},
    {"13", "23", "33"},
}};

} // namespace

std::string_view dxfLayerName(SurfaceCode code) {
    for (const Layer& layer : kLayers) {
        if (layer.code == code) {
            return layer.name;
        }
    }
    return kLayers.back().name;
}

void appendShellDxf(std::span<const SurfaceQuad> panels, std::string& out) {
    out.reserve(out.size() + 1024 + panels.size() * 200);
    appendHeaderAndTables(out);
    appendPair(out, "0", "SECTION");
    appendPair(out, "2", "ENTITIES");
    std::array<char, kLongestFace> face{};
    for (const SurfaceQuad& panel : panels) {
        char* p = face.data();
        p = writeLine(p, "0");
        p = writeLine(p, "3DFACE");
        p = writeLine(p, "8");
        p = writeLine(p, dxfLayerName(panel.surfaceCode));
        for (std::size_t k = 0; k < 4; ++k) {
            const SurfaceCorner& corner = panel.corners[k];
            p = writeNumberLine(writeLine(p, kCornerCodes[k][0]), corner.x);
            p = writeNumberLine(writeLine(p, kCornerCodes[k][1]), corner.s);
            p = writeNumberLine(writeLine(p, kCornerCodes[k][2]), corner.z);
        }
        out.append(face.data(), p);
    }
    appendPair(out, "0", "ENDSEC");
    appendPair(out, "0", "EOF");
}

ShellFile shellDxfFile(std::span<const SurfaceQuad> panels) {
    for (const SurfaceQuad& panel : panels) {
        for (const SurfaceCorner& corner : panel.corners) {
            if (!std::isfinite(corner.x) || !std::isfinite(corner.z)) {
                return {{}, ShellFileRefusal::DimensionTooLarge};
            }
        }
    }
    ShellFile file;
    appendShellDxf(panels, file.bytes);
    return file;
}

} // namespace pitwright
