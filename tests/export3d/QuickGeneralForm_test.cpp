#include "export3d/QuickGeneralForm.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace pitwright {
namespace {

std::string quickly(double value) {
    char buffer[kGeneralFormMaxChars];
    return std::string(buffer, writeGeneralQuickly(buffer, value));
}

void expectSameAsGeneral(double value) {
    ASSERT_EQ(quickly(value), formatGeneral(value)) << std::hexfloat << value;
}

TEST(QuickGeneralForm, SameTextForRandomBitsOfEveryMagnitude) {
    std::mt19937_64 random(29);
    // Every binary exponent around the handled ones, any significand.
    std::uniform_int_distribution<std::uint64_t> exponent(1023 - 20, 1023 + 55);
    for (int i = 0; i < 400000; ++i) {
        const std::uint64_t bits = (random() & 0x800F'FFFF'FFFF'FFFFULL) | (exponent(random) << 52);
        expectSameAsGeneral(std::bit_cast<double>(bits));
    }
    for (int i = 0; i < 20000; ++i) {
        expectSameAsGeneral(std::bit_cast<double>(random()));
    }
}

TEST(QuickGeneralForm, SameTextForSlopeCoordinates) {
    // Sums of typical widths, as the profile builds them.
    double x = 0;
    double y = 0;
    for (int i = 0; i < 100000; ++i) {
        x = 0.10717967697244908 + x;
        x = 0.13 + x;
        y = 0.4 + y;
        expectSameAsGeneral(x);
        expectSameAsGeneral(-y);
        expectSameAsGeneral(25 + x);
    }
}

TEST(QuickGeneralForm, SameTextAtTiesAndAtPowersOfTen) {
    // Exactly half-way at the fifteenth digit: to even.
    for (double tie : {100000000000000.5, 100000000000001.5, 10000000000000.25, 10000000000000.75,
                       1000000000000.125, 1000000000000.375, 562949953421311.5, 0.5, 2.5}) {
        expectSameAsGeneral(tie);
        expectSameAsGeneral(-tie);
    }
    EXPECT_EQ(quickly(10000000000000.25), "10000000000000.2");
    EXPECT_EQ(quickly(1000000000000.375), "1000000000000.38");
    // Both neighbours of every power of ten in reach, where the digits roll
    // over into the next exponent or the form changes.
    for (int k = -6; k <= 16; ++k) {
        const double power = std::pow(10.0, k);
        double below = power;
        double above = power;
        for (int step = 0; step < 40; ++step) {
            expectSameAsGeneral(below);
            expectSameAsGeneral(above);
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1e300);
        }
        expectSameAsGeneral(power * (1 - 1e-15));
        expectSameAsGeneral(power * (1 - 6e-16));
    }
    EXPECT_EQ(quickly(99999999999999.95), "100000000000000");
    EXPECT_EQ(quickly(0.0001), "0.0001");
}

TEST(QuickGeneralForm, SameTextForWholeNumbersAndSpecialValues) {
    for (double value : {0.0, -0.0, 1.0, -25.0, 32767.0, 123456789012345.0, 999999999999999.0, 1e15,
                         4503599627370496.0, 5e-324, 1e-5, std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::infinity(), std::nan("")}) {
        expectSameAsGeneral(value);
        expectSameAsGeneral(-value);
    }
}

} // namespace
} // namespace pitwright
