#pragma once

#include "files/CsvDelimiter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reading CSV tables as spreadsheets write them: a header record, then one
// record a row, in UTF-8 with or without a byte-order mark.
//
// - A field may be quoted; inside the quotes a doubled quote stands for one,
//   and delimiters and line breaks (CR LF, LF or a lone CR) belong to the
//   field, byte for byte.
// - A record ends at CR LF, at LF or at a lone CR (as older Mac spreadsheets
//   wrote), or with the bytes: the last line end may be missing.
// - Empty lines are skipped, so a record of one empty field must be written
//   as "". A line of delimiters only is a record of empty fields.
// - A quote inside an unquoted field is an ordinary character.
// - Bytes that are not UTF-8 are kept as they are: converting them is the
//   caller's business.
// - Records may have any number of fields; comparing them with the header
//   is the caller's business too.
namespace pitwright {

// What is wrong with a record. The reader goes on after any of them.
enum class CsvProblem {
    None,
    // A quoted field runs to the end of the bytes: the field holds all of
    // them, and there is no record after it.
    UnterminatedQuote,
    // Text follows the closing quote of a field, as in "12"5: it is kept
    // after the quoted text ("125"), but the field is not what the file
    // means to say.
    TextAfterClosingQuote,
};

struct CsvRecord {
    std::vector<std::string> fields;       // never empty for a record read
    std::size_t line = 0;                  // 1-based line on which the record starts
    CsvProblem problem = CsvProblem::None; // the first problem of the record
    std::size_t problemLine = 0;           // 1-based line of that problem; 0 when none
};

// Reads one record at a time from bytes the caller keeps alive, reusing the
// caller's record so that a long table costs no allocation a row.
class CsvReader {
public:
    // Drops a UTF-8 byte-order mark and takes the delimiter from the header.
    explicit CsvReader(std::string_view bytes);
    // Reads with the given delimiter instead of detecting one.
    CsvReader(std::string_view bytes, CsvDelimiter delimiter);

    CsvDelimiter delimiter() const { return delimiter_; }
    bool hadByteOrderMark() const { return byteOrderMark_; }
    // The bytes start with a UTF-16 (or UTF-32) byte-order mark, as a
    // spreadsheet's "Unicode text" does: nothing is read from them.
    bool isUtf16() const { return utf16_; }

    // The next record into `record`; false at the end of the bytes, with
    // `record` left as it was.
    bool next(CsvRecord& record);

    // 1-based line of the next byte to be read.
    std::size_t line() const { return line_; }

private:
    std::size_t skipEmptyLines();
    void readQuoted(std::string& field, CsvRecord& record);
    void readUnquoted(std::string& field);
    void countLineBreaks(std::size_t from, std::size_t to);

    std::string_view bytes_;
    std::size_t position_ = 0;
    std::size_t line_ = 1;
    CsvDelimiter delimiter_ = CsvDelimiter::Comma;
    bool byteOrderMark_ = false;
    bool utf16_ = false;
};

// A whole table in memory.
struct CsvTable {
    CsvDelimiter delimiter = CsvDelimiter::Comma;
    bool byteOrderMark = false;
    bool utf16 = false; // see CsvReader::isUtf16; then nothing else is read
    CsvRecord header;   // no fields when the bytes hold no record
    std::vector<CsvRecord> rows;
};

CsvTable readCsvTable(std::string_view bytes);

// The same with the given delimiter.
CsvTable readCsvTable(std::string_view bytes, CsvDelimiter delimiter);

} // namespace pitwright
