#include "files/CsvDelimiter.h"

#include <cstddef>

namespace pitwright {
namespace {

bool isCandidate(char c) {
    return c == ',' || c == ';' || c == '\t';
}

} // namespace

CsvDelimiter detectCsvDelimiter(std::string_view header) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    std::size_t tabs = 0;
    // A quote opens a quoted field only at the start of a field, and the
    // delimiter is not known yet: any of the three may have ended the field.
    bool fieldStart = true;
    std::size_t i = 0;
    while (i < header.size()) {
        const char c = header[i];
        if (c == '\n' || c == '\r') {
            break;
        }
        if (c == '"' && fieldStart) {
            // Skip the quoted part; a doubled quote inside it stands for one.
            ++i;
            while (i < header.size()) {
                if (header[i] == '"') {
                    if (i + 1 < header.size() && header[i + 1] == '"') {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            ++i; // past the closing quote
            fieldStart = false;
            continue;
        }
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
        fieldStart = isCandidate(c);
        ++i;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas) {
        return CsvDelimiter::Tab;
    }
    if (semicolons > 0 && semicolons >= commas) {
        return CsvDelimiter::Semicolon;
    }
    return CsvDelimiter::Comma;
}

} // namespace pitwright
