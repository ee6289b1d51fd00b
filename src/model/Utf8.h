#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace pitwright {

// One character read from UTF-8 text: its code point and how many bytes it
// took. A byte that starts no character, or a sequence cut short or broken,
// reads as nothing and takes one byte; an overlong form, a surrogate or a
// code point beyond U+10FFFF reads as nothing and takes its whole sequence.
struct Utf8Character {
    std::optional<char32_t> code;
    std::size_t length = 1;
};

// The character that starts at byte `at`, which lies inside the text.
Utf8Character readUtf8(std::string_view utf8, std::size_t at);

} // namespace pitwright
