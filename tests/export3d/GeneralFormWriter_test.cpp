#include "GeneralFormWriter.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace pitwright {
namespace {

std::string written(double value) {
    std::array<char, kGeneralFormMaxChars> buffer{};
    return std::string(buffer.data(), writeGeneralForm(buffer.data(), value));
}

TEST(GeneralFormWriterTest, MatchesFormatGeneralAcrossMagnitudes) {
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-7, 17);
    for (int i = 0; i < 200000; ++i) {
        double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 3 == 0) {
            value = std::round(value * 8) / 8; // whole and short fractions
        }
        if (i % 2 == 0) {
            value = -value;
        }
        ASSERT_EQ(written(value), formatGeneral(value)) << std::hexfloat << value;
    }
}

TEST(GeneralFormWriterTest, RoundingAcrossAPowerOfTen) {
    for (double value : {0.0, -0.0, 9.9999999999999995, 999999999999999.5, 99999.99999999999,
                         0.000099999999999999995, 0.0001, 1e-5, 1e15, 123456789012345.6, -1e300,
                         5e-324, 32767.0, -32768.0, 0.1, 0.30000000000000004}) {
        EXPECT_EQ(written(value), formatGeneral(value)) << std::hexfloat << value;
    }
    EXPECT_EQ(written(-0.0), "0");
    EXPECT_EQ(written(9.9999999999999995), "10");
}

} // namespace
} // namespace pitwright
