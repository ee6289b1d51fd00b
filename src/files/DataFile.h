#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The data file: the seven input texts of a design, one a line, in the
// Windows-1252 code page, each line ended by CR LF.
namespace pitwright {

inline constexpr std::size_t kDataFileLines = 7;

// UTF-8 texts in file order: slope height, bench height, benches per stack,
// crest-to-toe and toe-to-toe inter-ramp angles, stack angle, bench angle.
using DataFileTexts = std::array<std::string, kDataFileLines>;

// Why a text cannot go into a data file.
enum class DataFileRefusal : unsigned char {
    None,
    LineBreak,               // a line would end inside the text
    CharacterBeyondCodePage, // Windows-1252 has no byte for a character
};

struct DataFileEncoding {
    bool ok = false;
    // The texts joined by CR LF, in Windows-1252; no line end after the seventh,
    // the save routine adds that one.
    std::string text;
    std::size_t refusedLine = 0; // 0-based; which text cannot be stored
    DataFileRefusal refusal = DataFileRefusal::None;
    std::string character; // the first character the code page cannot hold
};

// Refuses a text holding a line break or a character Windows-1252 cannot hold,
// rather than storing something else than the field shows.
DataFileEncoding encodeDataFile(const DataFileTexts& texts);

// Why bytes hold no design.
enum class DataFileShortfall : unsigned char {
    None,
    Empty,
    TooFewLines,  // fewer than seven lines; `linesFound` says how many
    LinesTooLong, // the start of a huge file ends inside its first lines
};

struct DataFileDecoding {
    bool ok = false;
    DataFileTexts texts;
    DataFileShortfall shortfall = DataFileShortfall::None;
    std::size_t linesFound = 0;
};

// The first seven lines of the bytes, as UTF-8. A line ends at CR LF or at a
// lone LF; the seventh may also end with the bytes. Lines after the seventh
// are ignored. `cutShort` tells that the bytes are only the start of a file.
DataFileDecoding decodeDataFile(std::string_view bytes, bool cutShort = false);

// How many bytes of a file certainly hold seven lines of any design the
// window can save.
inline constexpr std::size_t kDataFileReadLimit = 4 * 1024 * 1024;

} // namespace pitwright
