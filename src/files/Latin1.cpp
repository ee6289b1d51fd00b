#include "files/Latin1.h"

namespace pitwright {
namespace {

// Length of the UTF-8 sequence that starts with this byte; 0 when it starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// Index of the first character Latin-1 cannot hold (or of a broken sequence).
std::size_t firstBeyondLatin1(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // U+0080..U+00FF are C2 or C3 followed by one continuation byte.
        const bool latin1 = (lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size() &&
                            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if (!latin1) {
            return i;
        }
        i += 2;
    }
    return utf8.size();
}

} // namespace

std::optional<std::string> utf8ToLatin1(std::string_view utf8) {
    if (firstBeyondLatin1(utf8) != utf8.size()) {
        return std::nullopt;
    }
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            latin1.push_back(static_cast<char>(byte));
        } else {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            latin1.push_back(static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F)));
        }
    }
    return latin1;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

std::string firstCharacterBeyondLatin1(std::string_view utf8) {
    const std::size_t at = firstBeyondLatin1(utf8);
    if (at == utf8.size()) {
        return {};
    }
    const std::size_t length = sequenceLength(static_cast<unsigned char>(utf8[at]));
    bool whole = length > 0 && at + length <= utf8.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
        whole = (static_cast<unsigned char>(utf8[at + k]) & 0xC0) == 0x80;
    }
    if (!whole) {
        return "\xEF\xBF\xBD"; // U+FFFD stands for a broken sequence
    }
    return std::string(utf8.substr(at, length));
}

} // namespace pitwright
