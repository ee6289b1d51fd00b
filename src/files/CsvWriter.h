#pragma once

#include "files/CsvDelimiter.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Writing CSV records as spreadsheets write them: CR LF after every record,
// a field quoted only when it must be, a quote inside quotes doubled.
namespace pitwright {

// A field holding the delimiter, a quote, CR or LF must be quoted; blanks at
// either end are kept without quotes.
bool csvFieldNeedsQuotes(std::string_view field, CsvDelimiter delimiter);

// Appends records to a text the caller owns, so that a long table can be
// written out part by part.
class CsvWriter {
public:
    // With `byteOrderMark`, the first record is preceded by the UTF-8 mark,
    // by which some spreadsheets tell UTF-8 from their own code page.
    explicit CsvWriter(CsvDelimiter delimiter, bool byteOrderMark = false);

    // Appends one record and its CR LF. A record of one empty field is
    // written as "" (an empty line would be skipped when read); a record
    // of no fields as an empty line.
    void appendRecord(std::string& out, std::span<const std::string> fields);
    void appendRecord(std::string& out, std::span<const std::string_view> fields);
    void appendRecord(std::string& out, std::initializer_list<std::string_view> fields);

    CsvDelimiter delimiter() const { return delimiter_; }

private:
    template <typename Field> void append(std::string& out, std::span<const Field> fields);
    void appendField(std::string& out, std::string_view field, bool quote);

    CsvDelimiter delimiter_;
    bool byteOrderMark_;
    bool atStart_ = true;
};

} // namespace pitwright
