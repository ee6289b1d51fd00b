#include "files/DataFile.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

TEST(DataFileTest, SevenTextsJoinedByCrLf) {
    const auto encoded = encodeDataFile({"120", "15", "3", "45", "", "55", "75"});
    ASSERT_TRUE(encoded.ok);
    // The save routine adds the last CR LF: then these are the file's 26 bytes.
    const std::string file = encoded.text + "\r\n";
    EXPECT_EQ(file, std::string("\x31\x32\x30\x0D\x0A\x31\x35\x0D\x0A\x33\x0D\x0A\x34\x35\x0D"
                                "\x0A\x0D\x0A\x35\x35\x0D\x0A\x37\x35\x0D\x0A"));
    EXPECT_EQ(file.size(), 26u);
}

TEST(DataFileTest, OddTextsComeBackByteForByte) {
    const DataFileTexts texts{"  12.5 m ", "",
                              "abc",       "\xC3\xA9\xC3\xBF\xE2\x82\xAC\xC2\x81",
                              "\t",        std::string("a\0b", 3),
                              " "};
    const auto encoded = encodeDataFile(texts);
    ASSERT_TRUE(encoded.ok);
    EXPECT_NE(encoded.text.find("\xE9\xFF\x80\x81"), std::string::npos); // one byte each
    const auto decoded = decodeDataFile(encoded.text + "\r\n");
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.texts, texts);
}

TEST(DataFileTest, RefusesTextsTheFileCannotHoldAndSaysWhich) {
    auto encoded = encodeDataFile({"100", "10 \xE2\x89\x88", "5", "45", "", "60", "75"});
    EXPECT_FALSE(encoded.ok);
    EXPECT_EQ(encoded.refusedLine, 1u);
    EXPECT_EQ(encoded.refusal, DataFileRefusal::CharacterBeyondCodePage);
    EXPECT_EQ(encoded.character, "\xE2\x89\x88");
    EXPECT_TRUE(encoded.text.empty());

    encoded = encodeDataFile({"100", "10", "5", "45", "", "60", "7\n5"});
    EXPECT_FALSE(encoded.ok);
    EXPECT_EQ(encoded.refusedLine, 6u);
    EXPECT_EQ(encoded.refusal, DataFileRefusal::LineBreak);
}

TEST(DataFileTest, LineEndsFromOtherSystemsAndAMissingLastLineEnd) {
    const DataFileTexts expected{"1", "2", "3", "4", "", "6", "7"};
    EXPECT_EQ(decodeDataFile("1\n2\n3\n4\n\n6\n7\n").texts, expected);
    EXPECT_EQ(decodeDataFile("1\r\n2\n3\r\n4\r\n\r\n6\r\n7").texts, expected);
    // A lone CR is no line end: it stays in the text.
    const auto withCr = decodeDataFile("1\r2\r\n2\r\n3\r\n4\r\n\r\n6\r\n7\r\n");
    ASSERT_TRUE(withCr.ok);
    EXPECT_EQ(withCr.texts[0], "1\r2");
}

TEST(DataFileTest, ExtraLinesIgnoredShortFilesRefused) {
    const auto eight = decodeDataFile("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    ASSERT_TRUE(eight.ok);
    EXPECT_EQ(eight.texts[6], "7");

    const auto five = decodeDataFile("1\r\n2\r\n3\r\n4\r\n5\r\n");
    EXPECT_FALSE(five.ok);
    EXPECT_EQ(five.shortfall, DataFileShortfall::TooFewLines);
    EXPECT_EQ(five.linesFound, 5u);
    EXPECT_EQ(five.texts, DataFileTexts{});

    EXPECT_FALSE(decodeDataFile("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").ok); // no seventh line
    EXPECT_EQ(decodeDataFile("").shortfall, DataFileShortfall::Empty);
}

TEST(DataFileTest, TheStartOfAHugeFile) {
    const std::string start = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7";
    EXPECT_EQ(decodeDataFile(start, true).shortfall,
              DataFileShortfall::LinesTooLong); // the seventh line may go on
    EXPECT_TRUE(decodeDataFile(start + "\r\n", true).ok);
}

} // namespace
} // namespace pitwright
