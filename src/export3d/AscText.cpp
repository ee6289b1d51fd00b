#include "export3d/AscText.h"

#include "model/NumberText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace pitwright {
namespace {

// Neighbouring panels share most of their coordinates, so the text of
// recently written numbers is kept and copied instead of formatted again.
class RecentNumbers {
public:
    char* write(char* out, double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ULL) >> (64 - kIndexBits)];
        if (!entry.used || entry.bits != bits) {
            entry.length = static_cast<std::uint8_t>(writeGeneral(entry.text, value) - entry.text);
            entry.bits = bits;
            entry.used = true;
        }
        std::memcpy(out, entry.text, kGeneralFormMaxChars);
        return out + entry.length;
    }

private:
    static constexpr int kIndexBits = 9;
    struct Entry {
        std::uint64_t bits = 0;
        bool used = false;
        std::uint8_t length = 0;
        char text[kGeneralFormMaxChars] = {};
    };
    std::array<Entry, std::size_t{1} << kIndexBits> entries_{};
};

// x, s and z at their longest, four tabs, two codes and CR LF.
constexpr std::size_t kLongestLine = 3 * kGeneralFormMaxChars + 4 + 2 + 2;
constexpr std::size_t kTypicalLine = 32;

} // namespace

void appendAscText(std::span<const SurfaceQuad> quads, std::string& out) {
    RecentNumbers numbers;
    out.reserve(out.size() + quads.size() * 4 * kTypicalLine);
    std::array<char, 4 * kLongestLine> panel{};
    for (const SurfaceQuad& quad : quads) {
        char* p = panel.data();
        const char surfaceCode = static_cast<char>('0' + static_cast<int>(quad.surfaceCode));
        char vertexCode = '3';
        for (const SurfaceCorner& corner : quad.corners) {
            p = numbers.write(p, corner.x);
            *p++ = '\t';
            p = std::to_chars(p, p + kGeneralFormMaxChars, corner.s).ptr;
            *p++ = '\t';
            p = numbers.write(p, corner.z);
            *p++ = '\t';
            *p++ = vertexCode;
            *p++ = '\t';
            *p++ = surfaceCode;
            *p++ = '\r';
            *p++ = '\n';
            vertexCode = '2';
        }
        out.append(panel.data(), p);
    }
}

std::string ascText(std::span<const SurfaceQuad> quads) {
    std::string text;
    appendAscText(quads, text);
    return text;
}

} // namespace pitwright
