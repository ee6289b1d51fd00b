#include "model/DecimalComma.h"

#include <gtest/gtest.h>

#include <string_view>

namespace pitwright {
namespace {

TEST(DecimalCommaTest, NumbersAFieldWouldReadShort) {
    for (const std::string_view text : {"45,5", " -0,25 ", "+1,5", "\t7,0", "1.000,5", "1,000",
                                        ",5", "-,75", "45,5 m", "1,5E3", "3,4,5"}) {
        EXPECT_TRUE(looksLikeDecimalComma(text)) << text;
    }
}

TEST(DecimalCommaTest, TextsTheFieldReadsWhole) {
    for (const std::string_view text :
         {"45.5", "45", "", " ", "-0.25", "1e3", "1e3,5", "45,", "45, 5", "45 ,5", "a,5", ".,5",
          "-", "1,a", "crest-to-toe, 45"}) {
        EXPECT_FALSE(looksLikeDecimalComma(text)) << text;
    }
}

} // namespace
} // namespace pitwright
