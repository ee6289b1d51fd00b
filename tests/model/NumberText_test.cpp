#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace pitwright {
namespace {

TEST(ValueOfText, TakesTheLongestNumericPrefix) {
    EXPECT_EQ(valueOfText("12 m"), 12);
    EXPECT_EQ(valueOfText("   7.25"), 7.25);
    EXPECT_EQ(valueOfText("1.5.3"), 1.5);
    EXPECT_EQ(valueOfText("-3.5e2x"), -350);
    EXPECT_EQ(valueOfText("+4"), 4);
    EXPECT_EQ(valueOfText(".5"), 0.5);
    EXPECT_EQ(valueOfText("5."), 5);
    EXPECT_EQ(valueOfText("2.5E-1"), 0.25);
}

TEST(ValueOfText, ReadsZeroWhereThereIsNoNumber) {
    for (const char* text : {"", "abc", ".", "-", "+.", "e5", " \t", "m12"}) {
        EXPECT_EQ(valueOfText(text), 0) << '"' << text << '"';
    }
}

TEST(ValueOfText, AnExponentWithoutDigitsIsNotPartOfTheNumber) {
    EXPECT_EQ(valueOfText("1e"), 1);
    EXPECT_EQ(valueOfText("1e+"), 1);
    EXPECT_EQ(valueOfText("2E-x"), 2);
}

TEST(ValueOfText, SurvivesHugeTinyAndOddTexts) {
    EXPECT_EQ(valueOfText("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(valueOfText("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(valueOfText("1e-400"), 0);
    EXPECT_EQ(valueOfText(std::string(1000, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(valueOfText("0." + std::string(1000, '0') + "1"), 0);
    EXPECT_EQ(valueOfText("1" + std::string(1000, '0') + "e-1000"), 1);
    EXPECT_EQ(valueOfText("1e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(valueOfText(std::string("\x01\x7f\xff", 3)), 0);
    EXPECT_EQ(valueOfText(std::string("4\0"
                                      "2",
                                      3)),
              4);
    const double negativeZero = valueOfText("-0");
    EXPECT_EQ(negativeZero, 0);
}

TEST(FormatGeneral, WritesUpToFifteenSignificantDigits) {
    EXPECT_EQ(formatGeneral(120), "120");
    EXPECT_EQ(formatGeneral(112.5), "112.5");
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(-40), "-40");
    EXPECT_EQ(formatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(formatGeneral(-1234.567890123456), "-1234.56789012346");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral(0.0001), "0.0001");
    EXPECT_EQ(formatGeneral(999999999999999.0), "999999999999999");
}

TEST(FormatGeneral, UsesTheExponentFormOutsideOrdinaryMagnitudes) {
    EXPECT_EQ(formatGeneral(0.000015), "1.5E-05");
    EXPECT_EQ(formatGeneral(1e15), "1E+15");
    EXPECT_EQ(formatGeneral(-2.5e300), "-2.5E+300");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(formatGeneral(std::nan("")), "");
}

TEST(FormatGeneral, RoundsAcrossAPowerOfTen) {
    EXPECT_EQ(formatGeneral(9.9999999999999995), "10");
    EXPECT_EQ(formatGeneral(999999999999999.5), "1E+15");
    EXPECT_EQ(formatGeneral(99999.99999999999), "100000");
    EXPECT_EQ(formatGeneral(0.000099999999999999995), "0.0001");
    EXPECT_EQ(formatGeneral(123456789012345.6), "123456789012346");
    EXPECT_EQ(formatGeneral(5e-324), "4.94065645841247E-324");
    EXPECT_EQ(formatGeneral(-1.23456789012345e-308), "-1.23456789012345E-308");
    EXPECT_EQ(formatGeneral(0.30000000000000004), "0.3");
    EXPECT_EQ(formatGeneral(-32768.0), "-32768");
}

TEST(FormatRounded, RoundsHalfToEvenAtTheLastDecimal) {
    EXPECT_EQ(formatRounded(12.34567, 2), "12.35");
    EXPECT_EQ(formatRounded(2.5, 0), "2");
    EXPECT_EQ(formatRounded(3.5, 0), "4");
    EXPECT_EQ(formatRounded(0.125, 2), "0.12"); // an exact half in binary
    EXPECT_EQ(formatRounded(0.375, 2), "0.38");
    EXPECT_EQ(formatRounded(-0.001, 2), "0");
    EXPECT_EQ(formatRounded(99.99999999, 3), "100");
    EXPECT_EQ(formatRounded(28.867513459481287, 2), "28.87");
    EXPECT_EQ(formatRounded(1e300, 3), "1E+300");
}

TEST(Counts, RoundHalfToEvenAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(toCount16(2.6), 3);
    EXPECT_EQ(toCount16(2.5), 2);
    EXPECT_EQ(toCount16(3.5), 4);
    EXPECT_EQ(toCount16(-2.5), -2);
    EXPECT_EQ(toCount16(0.5), 0);
    EXPECT_EQ(toCount16(32767.4), 32767);
    EXPECT_EQ(toCount16(32767.5), std::nullopt);
    EXPECT_EQ(toCount16(-32768.5), -32768);
    EXPECT_EQ(toCount16(-32768.6), std::nullopt);
    EXPECT_EQ(toCount16(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(toCount16(std::nan("")), std::nullopt);
    EXPECT_EQ(formatCount(-32768), "-32768");
}

} // namespace
} // namespace pitwright
