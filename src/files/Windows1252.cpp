#include "files/Windows1252.h"

#include "model/Utf8.h"

#include <algorithm>
#include <array>

namespace pitwright {
namespace {

// The characters of bytes 0x80 to 0x9F; every other byte is the character of
// the same number. The five undefined bytes keep their C1 control character.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char32_t characterOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (found == kHighControls.end()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        // Nothing in the code page lies beyond the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Index of the first character the code page cannot hold (or of a broken
// sequence), and its length in bytes.
struct Beyond {
    std::size_t at;
    std::size_t length;
    bool broken;
};

std::optional<Beyond> firstBeyond(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Character c = readUtf8(utf8, i);
        if (!c.code) {
            return Beyond{i, c.length, true};
        }
        if (!byteOf(*c.code)) {
            return Beyond{i, c.length, false};
        }
        i += c.length;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Character c = readUtf8(utf8, i);
        const std::optional<unsigned char> byte = c.code ? byteOf(*c.code) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
        i += c.length;
    }
    return bytes;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char byte : bytes) {
        appendUtf8(utf8, characterOf(static_cast<unsigned char>(byte)));
    }
    return utf8;
}

std::string firstCharacterBeyondWindows1252(std::string_view utf8) {
    const std::optional<Beyond> beyond = firstBeyond(utf8);
    if (!beyond) {
        return {};
    }
    if (beyond->broken) {
        return "\xEF\xBF\xBD"; // U+FFFD stands for a broken sequence
    }
    return std::string(utf8.substr(beyond->at, beyond->length));
}

} // namespace pitwright
