#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts live in UTF-8 inside the program; files are in the 8-bit Latin-1
// code page, in which every byte stands for the character of the same number.
namespace pitwright {

// Nothing when the text holds a character beyond U+00FF or is not UTF-8.
std::optional<std::string> utf8ToLatin1(std::string_view utf8);

std::string latin1ToUtf8(std::string_view latin1);

// The first character of a UTF-8 text that Latin-1 cannot hold, as UTF-8;
// empty when there is none.
std::string firstCharacterBeyondLatin1(std::string_view utf8);

} // namespace pitwright
