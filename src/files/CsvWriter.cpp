#include "files/CsvWriter.h"

namespace pitwright {
namespace {

// Bytes a reader takes for a byte-order mark when a file starts with them.
bool startsLikeAByteOrderMark(std::string_view field) {
    return field.starts_with("\xEF\xBB\xBF") || field.starts_with("\xFF\xFE") ||
           field.starts_with("\xFE\xFF");
}

} // namespace

bool csvFieldNeedsQuotes(std::string_view field, CsvDelimiter delimiter) {
    for (const char c : field) {
        if (c == delimiterChar(delimiter) || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return false;
}

CsvWriter::CsvWriter(CsvDelimiter delimiter, bool byteOrderMark)
    : delimiter_(delimiter), byteOrderMark_(byteOrderMark) {}

void CsvWriter::appendField(std::string& out, std::string_view field, bool quote) {
    if (!quote) {
        out.append(field);
        return;
    }
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t quoteAt = field.find('"'); quoteAt != std::string_view::npos;
         quoteAt = field.find('"', start)) {
        out.append(field.substr(start, quoteAt + 1 - start));
        out.push_back('"');
        start = quoteAt + 1;
    }
    out.append(field.substr(start));
    out.push_back('"');
}

template <typename Field> void CsvWriter::append(std::string& out, std::span<const Field> fields) {
    if (atStart_ && byteOrderMark_) {
        out.append("\xEF\xBB\xBF");
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        if (i > 0) {
            out.push_back(delimiterChar(delimiter_));
        }
        // Without the mark, a first field starting with the bytes of one
        // would lose them to the reader; quoted, they are text.
        const bool quote =
            csvFieldNeedsQuotes(field, delimiter_) || (fields.size() == 1 && field.empty()) ||
            (i == 0 && atStart_ && !byteOrderMark_ && startsLikeAByteOrderMark(field));
        appendField(out, field, quote);
    }
    out.append("\r\n");
    atStart_ = false;
}

void CsvWriter::appendRecord(std::string& out, std::span<const std::string> fields) {
    append(out, fields);
}

void CsvWriter::appendRecord(std::string& out, std::span<const std::string_view> fields) {
    append(out, fields);
}

void CsvWriter::appendRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    append(out, std::span<const std::string_view>(fields.begin(), fields.size()));
}

} // namespace pitwright
