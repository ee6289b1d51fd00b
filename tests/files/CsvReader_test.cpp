#include "files/CsvReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pitwright {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> rowsOf(const CsvTable& table) {
    std::vector<Fields> rows;
    for (const CsvRecord& row : table.rows) {
        rows.push_back(row.fields);
    }
    return rows;
}

TEST(CsvReaderTest, QuotedFieldsHoldDelimitersQuotesAndLineBreaks) {
    const auto table = readCsvTable("name,note\r\n"
                                    "\"a,b\",\"say \"\"hi\"\"\"\r\n"
                                    "\"two\r\nlines\",\"lf\nand lone\rcr\"\r\n"
                                    "\"\",plain\r\n"
                                    "last,row\r\n");
    EXPECT_EQ(table.header.fields, (Fields{"name", "note"}));
    EXPECT_EQ(rowsOf(table), (std::vector<Fields>{{"a,b", "say \"hi\""},
                                                  {"two\r\nlines", "lf\nand lone\rcr"},
                                                  {"", "plain"},
                                                  {"last", "row"}}));
    // Line numbers count the line breaks inside quotes: the record after the
    // one on lines 3 to 6 starts on line 7.
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[1].line, 3u);
    EXPECT_EQ(table.rows[2].line, 7u);
    EXPECT_EQ(table.rows[3].line, 8u);
    for (const CsvRecord& row : table.rows) {
        EXPECT_EQ(row.problem, CsvProblem::None);
    }
}

TEST(CsvReaderTest, RecordEndsOfEverySystemAndAMissingLastOne) {
    const std::vector<Fields> expected{{"1", "2"}, {"3", "4"}};
    for (const char* bytes : {"a,b\r\n1,2\r\n3,4\r\n", "a,b\n1,2\n3,4\n", "a,b\r1,2\r3,4\r",
                              "a,b\r\n1,2\n3,4", "a,b\n1,2\r3,4\r\n"}) {
        const auto table = readCsvTable(bytes);
        EXPECT_EQ(table.header.fields, (Fields{"a", "b"})) << bytes;
        EXPECT_EQ(rowsOf(table), expected) << bytes;
        ASSERT_EQ(table.rows.size(), 2u);
        EXPECT_EQ(table.rows[1].line, 3u) << bytes;
    }
}

TEST(CsvReaderTest, EmptyLinesSkippedButCountedEmptyFieldsKept) {
    const auto table = readCsvTable("\r\n\na,b,c\r\n\r\n\r\n,,\r\n1,,\n\r\n\"\"\r\n1,2,\r\n\r\n");
    EXPECT_EQ(table.header.fields, (Fields{"a", "b", "c"}));
    EXPECT_EQ(table.header.line, 3u);
    EXPECT_EQ(rowsOf(table),
              (std::vector<Fields>{{"", "", ""}, {"1", "", ""}, {""}, {"1", "2", ""}}));
    EXPECT_EQ(table.rows[0].line, 6u);
    EXPECT_EQ(table.rows[2].line, 9u);
}

TEST(CsvReaderTest, NothingToRead) {
    for (const char* bytes : {"", "\xEF\xBB\xBF", "\r\n\n\r", "\xEF\xBB\xBF\r\n"}) {
        const auto table = readCsvTable(bytes);
        EXPECT_TRUE(table.header.fields.empty());
        EXPECT_TRUE(table.rows.empty());
        EXPECT_FALSE(table.utf16);
    }
}

TEST(CsvReaderTest, ByteOrderMarksAndBytesThatAreNotUtf8) {
    auto table = readCsvTable("\xEF\xBB\xBFh\xC3\xB6he;x\r\n\xF6\xFF;\xEF\xBB\xBF\r\n");
    EXPECT_TRUE(table.byteOrderMark);
    EXPECT_EQ(table.delimiter, CsvDelimiter::Semicolon);
    EXPECT_EQ(table.header.fields, (Fields{"h\xC3\xB6he", "x"}));
    // Latin-1 bytes stay as they are; only a mark at the very start is dropped.
    EXPECT_EQ(rowsOf(table), (std::vector<Fields>{{"\xF6\xFF", "\xEF\xBB\xBF"}}));

    table = readCsvTable("a,b\r\n1,2\r\n");
    EXPECT_FALSE(table.byteOrderMark);

    // A spreadsheet's "Unicode text": refused rather than read as bytes.
    table = readCsvTable(std::string("\xFF\xFE"
                                     "a\0\t\0b\0",
                                     8));
    EXPECT_TRUE(table.utf16);
    EXPECT_TRUE(table.header.fields.empty());
    EXPECT_TRUE(readCsvTable("\xFE\xFF").utf16);
}

TEST(CsvReaderTest, UnterminatedQuoteTakesTheRestAndSaysWhereItOpened) {
    const auto table = readCsvTable("a,b\r\n1,2\r\n3,\"4\r\n5,6\r\n7,8\r\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].problem, CsvProblem::None);
    const CsvRecord& broken = table.rows[1];
    EXPECT_EQ(broken.problem, CsvProblem::UnterminatedQuote);
    EXPECT_EQ(broken.line, 3u);
    EXPECT_EQ(broken.problemLine, 3u);
    EXPECT_EQ(broken.fields, (Fields{"3", "4\r\n5,6\r\n7,8\r\n"}));

    // The line is that of the opening quote, not of the record's start.
    const auto later = readCsvTable("a,b\n\"x\ny\",\"open\n");
    ASSERT_EQ(later.rows.size(), 1u);
    EXPECT_EQ(later.rows[0].line, 2u);
    EXPECT_EQ(later.rows[0].problemLine, 3u);
}

TEST(CsvReaderTest, TextAfterAClosingQuoteIsKeptAndFlaggedAndReadingGoesOn) {
    const auto table = readCsvTable("a,b\n\"12\"5,\"x\" \n1,2\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0].fields, (Fields{"125", "x "}));
    EXPECT_EQ(table.rows[0].problem, CsvProblem::TextAfterClosingQuote);
    EXPECT_EQ(table.rows[0].problemLine, 2u);
    EXPECT_EQ(table.rows[1].fields, (Fields{"1", "2"}));
    EXPECT_EQ(table.rows[1].problem, CsvProblem::None);
}

TEST(CsvReaderTest, QuotesInsideUnquotedFieldsAndBlanksAreText) {
    const auto table = readCsvTable("a,b\n12\" pipe, \"q\" \n");
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].fields, (Fields{"12\" pipe", " \"q\" "}));
    EXPECT_EQ(table.rows[0].problem, CsvProblem::None);
}

// Records of any length, also shorter than the one before.
TEST(CsvReaderTest, StreamingReusesTheRecord) {
    CsvReader reader("a,b,c\n1,2,3\n4\n\"5\",6\n");
    CsvRecord record;
    std::vector<Fields> read;
    while (reader.next(record)) {
        read.push_back(record.fields);
    }
    EXPECT_EQ(read, (std::vector<Fields>{{"a", "b", "c"}, {"1", "2", "3"}, {"4"}, {"5", "6"}}));
    EXPECT_FALSE(reader.next(record));
    EXPECT_EQ(record.fields, (Fields{"5", "6"})); // left as it was
}

TEST(CsvReaderTest, AGivenDelimiterOverridesDetection) {
    const auto table = readCsvTable("a,b;c\n1,5;2\n", CsvDelimiter::Semicolon);
    EXPECT_EQ(table.header.fields, (Fields{"a,b", "c"}));
    EXPECT_EQ(rowsOf(table), (std::vector<Fields>{{"1,5", "2"}}));
}

TEST(CsvDelimiterTest, DetectedFromTheHeaderOutsideQuotes) {
    EXPECT_EQ(detectCsvDelimiter("a,b,c"), CsvDelimiter::Comma);
    EXPECT_EQ(detectCsvDelimiter("a;b;c\n1,5;2,5;3"), CsvDelimiter::Semicolon);
    EXPECT_EQ(detectCsvDelimiter("a\tb\tc\r1;2;3;4;5"), CsvDelimiter::Tab);
    EXPECT_EQ(detectCsvDelimiter("slope"), CsvDelimiter::Comma);
    EXPECT_EQ(detectCsvDelimiter(""), CsvDelimiter::Comma);
    // The most frequent wins; ties go tab, semicolon, comma.
    EXPECT_EQ(detectCsvDelimiter("a,b;c;d"), CsvDelimiter::Semicolon);
    EXPECT_EQ(detectCsvDelimiter("a,b,c;d\te"), CsvDelimiter::Comma);
    EXPECT_EQ(detectCsvDelimiter("a,b;c"), CsvDelimiter::Semicolon);
    EXPECT_EQ(detectCsvDelimiter("a;b\tc"), CsvDelimiter::Tab);
    // Quoted names do not count, even across a line break, with doubled quotes.
    EXPECT_EQ(detectCsvDelimiter("\"h, m\";\"a,\"\"b,\nc\";x"), CsvDelimiter::Semicolon);
    // A quote inside a name opens nothing.
    EXPECT_EQ(detectCsvDelimiter("height \"m\";angle \"deg, from, horizontal\""),
              CsvDelimiter::Comma);
}

} // namespace
} // namespace pitwright
