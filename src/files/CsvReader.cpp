#include "files/CsvReader.h"

#include <cstring>

namespace pitwright {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool startsWithUtf16ByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

std::string_view afterByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return bytes;
}

// Where the header record starts: after the mark and any empty lines.
std::string_view headerOf(std::string_view bytes) {
    bytes = afterByteOrderMark(bytes);
    const std::size_t start = bytes.find_first_not_of("\r\n");
    return start == std::string_view::npos ? std::string_view{} : bytes.substr(start);
}

} // namespace

CsvReader::CsvReader(std::string_view bytes)
    : CsvReader(bytes, detectCsvDelimiter(headerOf(bytes))) {}

CsvReader::CsvReader(std::string_view bytes, CsvDelimiter delimiter)
    : bytes_(bytes), delimiter_(delimiter) {
    if (startsWithUtf16ByteOrderMark(bytes)) {
        utf16_ = true;
        position_ = bytes.size();
        return;
    }
    byteOrderMark_ = bytes.starts_with(kUtf8ByteOrderMark);
    if (byteOrderMark_) {
        position_ = kUtf8ByteOrderMark.size();
    }
}

void CsvReader::countLineBreaks(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        const char c = bytes_[i];
        // CR LF counts at its LF; a lone CR counts by itself.
        line_ += c == '\n' || (c == '\r' && (i + 1 >= bytes_.size() || bytes_[i + 1] != '\n'));
    }
}

std::size_t CsvReader::skipEmptyLines() {
    while (position_ < bytes_.size()) {
        const char c = bytes_[position_];
        if (c == '\r') {
            ++position_;
            if (position_ < bytes_.size() && bytes_[position_] == '\n') {
                ++position_;
            }
        } else if (c == '\n') {
            ++position_;
        } else {
            break;
        }
        ++line_;
    }
    return position_;
}

void CsvReader::readUnquoted(std::string& field) {
    const std::size_t start = position_;
    const char delimiter = delimiterChar(delimiter_);
    const char* const data = bytes_.data();
    std::size_t i = position_;
    const std::size_t end = bytes_.size();
    while (i < end) {
        const char c = data[i];
        if (c == delimiter || c == '\n' || c == '\r') {
            break;
        }
        ++i;
    }
    field.append(data + start, i - start);
    position_ = i;
}

void CsvReader::readQuoted(std::string& field, CsvRecord& record) {
    const std::size_t openingLine = line_;
    ++position_; // the opening quote
    const char* const data = bytes_.data();
    for (;;) {
        const std::size_t remaining = bytes_.size() - position_;
        const void* found = std::memchr(data + position_, '"', remaining);
        if (found == nullptr) {
            field.append(data + position_, remaining);
            countLineBreaks(position_, bytes_.size());
            position_ = bytes_.size();
            if (record.problem == CsvProblem::None) {
                record.problem = CsvProblem::UnterminatedQuote;
                record.problemLine = openingLine;
            }
            return;
        }
        const std::size_t quote = static_cast<std::size_t>(static_cast<const char*>(found) - data);
        field.append(data + position_, quote - position_);
        countLineBreaks(position_, quote);
        position_ = quote + 1;
        if (position_ < bytes_.size() && data[position_] == '"') {
            field.push_back('"');
            ++position_;
            continue;
        }
        break;
    }
    if (position_ < bytes_.size()) {
        const char c = data[position_];
        if (c != delimiterChar(delimiter_) && c != '\n' && c != '\r') {
            if (record.problem == CsvProblem::None) {
                record.problem = CsvProblem::TextAfterClosingQuote;
                record.problemLine = line_;
            }
            readUnquoted(field);
        }
    }
}

bool CsvReader::next(CsvRecord& record) {
    if (skipEmptyLines() >= bytes_.size()) {
        return false;
    }
    record.line = line_;
    record.problem = CsvProblem::None;
    record.problemLine = 0;
    const char delimiter = delimiterChar(delimiter_);
    std::size_t count = 0;
    for (;;) {
        if (count == record.fields.size()) {
            record.fields.emplace_back();
        }
        std::string& field = record.fields[count++];
        field.clear();
        if (position_ < bytes_.size() && bytes_[position_] == '"') {
            readQuoted(field, record);
        } else {
            readUnquoted(field);
        }
        if (position_ >= bytes_.size()) {
            break;
        }
        const char c = bytes_[position_++];
        if (c == delimiter) {
            continue;
        }
        // The record's line end.
        if (c == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') {
            ++position_;
        }
        ++line_;
        break;
    }
    record.fields.resize(count);
    return true;
}

namespace {

CsvTable readAll(CsvReader reader) {
    CsvTable table;
    table.delimiter = reader.delimiter();
    table.byteOrderMark = reader.hadByteOrderMark();
    table.utf16 = reader.isUtf16();
    if (!reader.next(table.header)) {
        return table;
    }
    CsvRecord row;
    row.fields.reserve(table.header.fields.size());
    while (reader.next(row)) {
        table.rows.push_back(std::move(row));
        row = {};
        row.fields.reserve(table.header.fields.size());
    }
    return table;
}

} // namespace

CsvTable readCsvTable(std::string_view bytes) {
    return readAll(CsvReader(bytes));
}

CsvTable readCsvTable(std::string_view bytes, CsvDelimiter delimiter) {
    return readAll(CsvReader(bytes, delimiter));
}

} // namespace pitwright
