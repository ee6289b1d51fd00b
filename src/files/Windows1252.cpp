#include "files/Windows1252.h"

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

// One character read from UTF-8: its code point and how many bytes it took.
// A broken, overlong or surrogate sequence reads as nothing.
struct Utf8Character {
    std::optional<char32_t> code;
    std::size_t length = 1;
};

Utf8Character readUtf8(std::string_view utf8, std::size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {std::nullopt, 1};
    }
    if (at + length > utf8.size()) {
        return {std::nullopt, 1};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) {
            return {std::nullopt, 1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {std::nullopt, length};
    }
    return {code, length};
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
