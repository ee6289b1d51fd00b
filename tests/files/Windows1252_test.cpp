#include "files/Windows1252.h"

#include <gtest/gtest.h>

#include <set>

namespace pitwright {
namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

TEST(Windows1252Test, EveryByteReadsAsACharacterOfItsOwnAndIsWrittenBackAsItself) {
    std::string all;
    std::set<std::string> characters;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = windows1252ToUtf8(one);
        ASSERT_FALSE(utf8.empty()) << byte;
        EXPECT_EQ(utf8ToWindows1252(utf8), one) << byte;
        EXPECT_EQ(firstCharacterBeyondWindows1252(utf8), "") << byte;
        characters.insert(utf8);
        all += one;
    }
    EXPECT_EQ(characters.size(), 256u);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252Test, TheCharactersOfWesternWindowsSystems) {
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC");                 // euro sign
    EXPECT_EQ(windows1252ToUtf8("\x8A"), "\xC5\xA0");                     // S with caron
    EXPECT_EQ(windows1252ToUtf8("\x93\x94"), "\xE2\x80\x9C\xE2\x80\x9D"); // curly quotes
    EXPECT_EQ(windows1252ToUtf8("\x96"), "\xE2\x80\x93");                 // en dash
    EXPECT_EQ(windows1252ToUtf8("\x99"), "\xE2\x84\xA2");                 // trade mark
    EXPECT_EQ(windows1252ToUtf8("\x9F"), "\xC5\xB8");                     // Y with diaeresis
    EXPECT_EQ(windows1252ToUtf8("\xA0\xB0\xE9\xFF"), "\xC2\xA0\xC2\xB0\xC3\xA9\xC3\xBF");
    EXPECT_EQ(windows1252ToUtf8("12.5 m"), "12.5 m");
    // The five undefined bytes: the C1 control characters of the same number.
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Windows1252Test, ExactlyTheCharactersOfItsBytesCanBeWritten) {
    // Every character of the Basic Multilingual Plane offered on its own:
    // 256 of them are accepted, each giving a different byte.
    std::set<std::string> bytes;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        if (const auto written = utf8ToWindows1252(utf8Of(c))) {
            ASSERT_EQ(written->size(), 1u);
            bytes.insert(*written);
            EXPECT_EQ(windows1252ToUtf8(*written), utf8Of(c));
        }
    }
    EXPECT_EQ(bytes.size(), 256u);
}

TEST(Windows1252Test, RefusesWhatItCannotHoldAndNamesIt) {
    EXPECT_EQ(utf8ToWindows1252("12 \xE2\x82\xAC"), "12 \x80");      // the euro sign is there
    EXPECT_FALSE(utf8ToWindows1252("\xC2\x80").has_value());         // its C1 twin is not
    EXPECT_FALSE(utf8ToWindows1252("\xE2\x89\x88").has_value());     // approximately equal
    EXPECT_FALSE(utf8ToWindows1252("\xF0\x9F\x98\x80").has_value()); // beyond the BMP
    EXPECT_FALSE(utf8ToWindows1252("\xC3").has_value());             // cut off
    EXPECT_FALSE(utf8ToWindows1252("\xA9").has_value());             // a stray continuation
    EXPECT_FALSE(utf8ToWindows1252("\xC1\x81").has_value());         // "A" in two bytes
    EXPECT_FALSE(utf8ToWindows1252("\xED\xA0\x80").has_value());     // a lone surrogate

    EXPECT_EQ(firstCharacterBeyondWindows1252("ab\xE2\x82\xAC\xC3\xA9\xE2\x89\x88!"),
              "\xE2\x89\x88");
    EXPECT_EQ(firstCharacterBeyondWindows1252("x\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(firstCharacterBeyondWindows1252("x\xE2\x82"), "\xEF\xBF\xBD");
    EXPECT_EQ(firstCharacterBeyondWindows1252("x\xC1\x81"), "\xEF\xBF\xBD");
}

} // namespace
} // namespace pitwright
