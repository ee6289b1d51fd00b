#include "files/Latin1.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

TEST(Latin1Test, EveryByteRoundTrips) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const std::string utf8 = latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
    EXPECT_EQ(latin1ToUtf8("\xE9"), "\xC3\xA9"); // é
    EXPECT_EQ(utf8ToLatin1(utf8), all);
}

TEST(Latin1Test, RefusesWhatLatin1CannotHold) {
    EXPECT_FALSE(utf8ToLatin1("12 \xE2\x82\xAC").has_value());  // the euro sign
    EXPECT_FALSE(utf8ToLatin1("\xF0\x9F\x98\x80").has_value()); // beyond the BMP
    EXPECT_FALSE(utf8ToLatin1("\xC3").has_value());             // cut off
    EXPECT_FALSE(utf8ToLatin1("\xA9").has_value());             // a stray continuation
    EXPECT_EQ(firstCharacterBeyondLatin1("ab\xC3\xA9\xE2\x82\xAC!"), "\xE2\x82\xAC");
    EXPECT_EQ(firstCharacterBeyondLatin1("plain \xC3\xA9"), "");
    EXPECT_EQ(firstCharacterBeyondLatin1("x\xE2\x82"), "\xEF\xBF\xBD");
}

} // namespace
} // namespace pitwright
