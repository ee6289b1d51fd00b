#pragma once

#include <string_view>

// The three field delimiters spreadsheets write into CSV files: the comma,
// the semicolon (where the comma is the decimal separator) and the tab.
namespace pitwright {

enum class CsvDelimiter : char { Comma = ',', Semicolon = ';', Tab = '\t' };

inline constexpr char delimiterChar(CsvDelimiter delimiter) {
    return static_cast<char>(delimiter);
}

// The delimiter of a table, from its header record (the first bytes up to
// the first line end outside quotes; `header` may run on into the rows).
// Only delimiters outside quotes count. The most frequent of the three wins;
// on a tie the tab comes before the semicolon and the semicolon before the
// comma, since a tab is the least and a comma the most likely to be part of
// a column's name. A header with none of them is one column: the comma.
CsvDelimiter detectCsvDelimiter(std::string_view header);

} // namespace pitwright
