#include "files/CsvReader.h"
#include "files/CsvWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pitwright {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvWriterTest, QuotesOnlyWhatMustBeQuotedAndEndsRecordsWithCrLf) {
    CsvWriter writer(CsvDelimiter::Comma);
    std::string out;
    writer.appendRecord(out,
                        {"plain", " blanks ", "a;b", "a\tb", "a,b", "say \"hi\"", "x\ry", "x\ny"});
    EXPECT_EQ(out, "plain, blanks ,a;b,a\tb,\"a,b\",\"say \"\"hi\"\"\",\"x\ry\",\"x\ny\"\r\n");

    CsvWriter semicolons(CsvDelimiter::Semicolon);
    out.clear();
    semicolons.appendRecord(out, {"45,5", "a;b", ""});
    EXPECT_EQ(out, "45,5;\"a;b\";\r\n");
}

TEST(CsvWriterTest, ByteOrderMarkOnceBeforeTheFirstRecord) {
    CsvWriter writer(CsvDelimiter::Tab, true);
    std::string out;
    writer.appendRecord(out, {"a", "b"});
    writer.appendRecord(out, {"1", "2"});
    EXPECT_EQ(out, "\xEF\xBB\xBF"
                   "a\tb\r\n1\t2\r\n");
}

TEST(CsvWriterTest, RecordsThatWouldNotReadBackAsWritten) {
    CsvWriter writer(CsvDelimiter::Comma);
    std::string out;
    // A first field starting with the bytes of a mark would lose them.
    writer.appendRecord(out, {"\xEF\xBB\xBFx", "y"});
    // One empty field would be an empty line, which readers skip.
    writer.appendRecord(out, {""});
    writer.appendRecord(out, std::span<const std::string>{});
    writer.appendRecord(out, {"\xEF\xBB\xBFz"}); // not the first record: as it is
    EXPECT_EQ(out, "\"\xEF\xBB\xBFx\",y\r\n\"\"\r\n\r\n\xEF\xBB\xBFz\r\n");

    const auto table = readCsvTable(out);
    EXPECT_EQ(table.header.fields, (Fields{"\xEF\xBB\xBFx", "y"}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].fields, Fields{""});
    EXPECT_EQ(table.rows[1].fields, Fields{"\xEF\xBB\xBFz"});

    out.clear();
    CsvWriter(CsvDelimiter::Comma).appendRecord(out, {"\xFF\xFE", "y"});
    EXPECT_FALSE(readCsvTable(out).utf16);
}

TEST(CsvWriterTest, AwkwardFieldsReadBackAsWrittenWithEveryDelimiter) {
    const std::vector<Fields> records{
        {"convention", "slope height", "note"},
        {"crest-to-toe", " 45,5 ", "a \"quoted\" word, a; and\ta tab"},
        {"", "", ""},
        {"\r\n", "\r", "\n"},
        {"\"", "\"\"", "\xF6\xE9 not UTF-8"},
        {"one"},
    };
    for (const CsvDelimiter delimiter :
         {CsvDelimiter::Comma, CsvDelimiter::Semicolon, CsvDelimiter::Tab}) {
        for (const bool mark : {false, true}) {
            CsvWriter writer(delimiter, mark);
            std::string out;
            for (const Fields& record : records) {
                writer.appendRecord(out, record);
            }
            const auto table = readCsvTable(out);
            EXPECT_EQ(table.delimiter, delimiter);
            EXPECT_EQ(table.byteOrderMark, mark);
            std::vector<Fields> read{table.header.fields};
            for (const CsvRecord& row : table.rows) {
                read.push_back(row.fields);
                EXPECT_EQ(row.problem, CsvProblem::None);
            }
            EXPECT_EQ(read, records) << out;
        }
    }
}

} // namespace
} // namespace pitwright
