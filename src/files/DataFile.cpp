#include "files/DataFile.h"

#include "files/Windows1252.h"

namespace pitwright {

DataFileEncoding encodeDataFile(const DataFileTexts& texts) {
    DataFileEncoding result;
    for (std::size_t line = 0; line < kDataFileLines; ++line) {
        const std::string& text = texts[line];
        if (text.find_first_of("\r\n") != std::string::npos) {
            return {false, {}, line, DataFileRefusal::LineBreak, {}};
        }
        const auto bytes = utf8ToWindows1252(text);
        if (!bytes) {
            return {false,
                    {},
                    line,
                    DataFileRefusal::CharacterBeyondCodePage,
                    firstCharacterBeyondWindows1252(text)};
        }
        if (line > 0) {
            result.text += "\r\n";
        }
        result.text += *bytes;
    }
    result.ok = true;
    return result;
}

DataFileDecoding decodeDataFile(std::string_view bytes, bool cutShort) {
    DataFileDecoding result;
    std::size_t start = 0;
    std::size_t count = 0;
    while (count < kDataFileLines && start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end + 1;
        if (end == std::string_view::npos) {
            if (cutShort) {
                break; // the line may go on beyond what was read
            }
            end = bytes.size();
            next = end;
        }
        std::string_view line = bytes.substr(start, end - start);
        if (end < bytes.size() && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        result.texts[count++] = windows1252ToUtf8(line);
        start = next;
    }
    if (count < kDataFileLines) {
        result.texts = {};
        result.linesFound = count;
        result.shortfall = cutShort     ? DataFileShortfall::LinesTooLong
                           : count == 0 ? DataFileShortfall::Empty
                                        : DataFileShortfall::TooFewLines;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace pitwright
