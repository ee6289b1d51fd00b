#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts live in UTF-8 inside the program; files are in the Windows-1252 code
// page of Western Windows systems, where 0x80 is the euro sign. The five bytes
// that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// C1 control characters of the same number, so every byte reads as a
// character of its own and is written back as the same byte.
namespace pitwright {

// Nothing when the text holds a character Windows-1252 cannot hold or is not
// UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

std::string windows1252ToUtf8(std::string_view bytes);

// The first character of a UTF-8 text that Windows-1252 cannot hold, as
// UTF-8 (U+FFFD for a broken sequence); empty when there is none.
std::string firstCharacterBeyondWindows1252(std::string_view utf8);

} // namespace pitwright
