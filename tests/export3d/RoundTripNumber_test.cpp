#include "export3d/RoundTripNumber.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>
#include <string>

namespace pitwright {
namespace {

std::string roundTripText(double value) {
    std::array<char, kRoundTripMaxChars> buffer{};
    return {buffer.data(), writeRoundTrip(buffer.data(), value)};
}

TEST(RoundTripNumberTest, PlainDecimalsInTheRangeOfLengths) {
    EXPECT_EQ(roundTripText(0.0), "0");
    EXPECT_EQ(roundTripText(-0.0), "0");
    EXPECT_EQ(roundTripText(-25), "-25");
    EXPECT_EQ(roundTripText(12.5), "12.5");
    EXPECT_EQ(roundTripText(0.1), "0.1");
    EXPECT_EQ(roundTripText(13106.8), "13106.8");
    EXPECT_EQ(roundTripText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(roundTripText(1e-5), "0.00001");
    EXPECT_EQ(roundTripText(9999999999999998.0), "9999999999999998");
    EXPECT_EQ(roundTripText(1e16), "1e+16");
    EXPECT_EQ(roundTripText(-9.5e-6), "-9.5e-06");
}

TEST(RoundTripNumberTest, EveryTextReadsBackAsTheSameDouble) {
    const double values[] = {0.7071067811865476,
                             -1234.56789012346,
                             262144.01,
                             0.1 + 0.2,
                             -1.0000000000000002e-5,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::min(),
                             9.999999999999999e15};
    for (const double value : values) {
        const std::string text = roundTripText(value);
        double back = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(error, std::errc{}) << text;
        EXPECT_EQ(end, text.data() + text.size()) << text;
        EXPECT_EQ(back, value) << text;
        EXPECT_LE(text.size(), static_cast<std::size_t>(kRoundTripMaxChars));
    }
}

} // namespace
} // namespace pitwright
