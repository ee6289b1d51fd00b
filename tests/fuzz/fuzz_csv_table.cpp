// libFuzzer target: any bytes read as a CSV table give records of at least
// one field on rising lines, the same whole or one record at a time, and
// every table read is written back to bytes that read as the same fields.
#include "files/CsvReader.h"
#include "files/CsvWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace pitwright;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkRecord(const CsvRecord& record, std::size_t previousLine) {
    check(!record.fields.empty());
    check(record.line > previousLine);
    if (record.problem == CsvProblem::None) {
        check(record.problemLine == 0);
    } else {
        check(record.problemLine >= record.line);
    }
}

bool sameRecord(const CsvRecord& a, const CsvRecord& b) {
    return a.fields == b.fields && a.line == b.line && a.problem == b.problem &&
           a.problemLine == b.problemLine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CsvTable table = readCsvTable(bytes);
    if (table.utf16 || table.header.fields.empty()) {
        check(table.header.fields.empty() && table.rows.empty());
        return 0;
    }

    std::vector<const CsvRecord*> records{&table.header};
    for (const CsvRecord& row : table.rows) {
        records.push_back(&row);
    }
    std::size_t previousLine = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        checkRecord(*records[i], previousLine);
        previousLine = records[i]->line;
        // Nothing follows a quote that never closes.
        check(records[i]->problem != CsvProblem::UnterminatedQuote || i + 1 == records.size());
    }

    // One record at a time, into one reused record, reads the same.
    CsvReader reader(bytes);
    CsvRecord streamed;
    for (const CsvRecord* record : records) {
        check(reader.next(streamed) && sameRecord(streamed, *record));
    }
    check(!reader.next(streamed));

    // Written and read again with the same delimiter: the same fields, and
    // nothing wrong with them any more.
    CsvWriter writer(table.delimiter, table.byteOrderMark);
    std::string written;
    for (const CsvRecord* record : records) {
        writer.appendRecord(written, record->fields);
    }
    const CsvTable again = readCsvTable(written, table.delimiter);
    check(again.byteOrderMark == table.byteOrderMark && !again.utf16);
    check(again.header.fields == table.header.fields);
    check(again.header.problem == CsvProblem::None);
    check(again.rows.size() == table.rows.size());
    for (std::size_t i = 0; i < again.rows.size(); ++i) {
        check(again.rows[i].fields == table.rows[i].fields);
        check(again.rows[i].problem == CsvProblem::None);
    }
    return 0;
}
