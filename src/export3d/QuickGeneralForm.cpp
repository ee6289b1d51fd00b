#include "export3d/QuickGeneralForm.h"

#include "model/NumberText.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// A double is m * 2^q with an integer m below 2^53. Its 15 significant
// digits are round(m * 10^p / 2^-q) for the p that puts the result in
// [10^14, 10^15): one product of at most 116 bits, one shift and a rounding
// of the exact remainder, half to even as the general form rounds.
namespace pitwright {
namespace {

__extension__ using Wide = unsigned __int128;

constexpr int kDigits = 15;
constexpr std::uint64_t kSmallestFifteenDigits = 100'000'000'000'000; // 10^14
constexpr std::uint64_t kBeyondFifteenDigits = 10 * kSmallestFifteenDigits;

// Binary exponents handled here: 2^-14 (just below 10^-4, where the
// exponent form starts) up to 2^50 (just above 10^15).
constexpr int kLowestBinaryExponent = -14;
constexpr int kHighestBinaryExponent = 49;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// Two digits at a time, for the 15 digits of the rounded value.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// round(m * 10^p / 2^shift), halves to even.
std::uint64_t roundedScaled(std::uint64_t m, int p, int shift) {
    const Wide product = static_cast<Wide>(m) * kPowersOfTen[static_cast<std::size_t>(p)];
    const auto whole = static_cast<std::uint64_t>(product >> shift);
    const Wide rest = product & ((Wide{1} << shift) - 1);
    const Wide half = Wide{1} << (shift - 1);
    return whole + ((rest > half || (rest == half && (whole & 1) != 0)) ? 1 : 0);
}

void writeFifteenDigits(char* out, std::uint64_t value) {
    out[kDigits - 1] = static_cast<char>('0' + value % 10);
    value /= 10;
    for (int i = kDigits - 3; i >= 0; i -= 2) {
        std::memcpy(out + i, kDigitPairs.data() + 2 * (value % 100), 2);
        value /= 100;
    }
}

} // namespace

char* writeGeneralQuickly(char* out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 1023;
    if (binaryExponent < kLowestBinaryExponent || binaryExponent > kHighestBinaryExponent) {
        return writeGeneral(out, value); // zeros, tiny, huge, infinite and NaN
    }
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 52 - binaryExponent; // value = m / 2^shift, shift from 3 to 66

    // The decimal exponent is floor(binaryExponent * log10(2)) or one more.
    int exponent = (binaryExponent * 1233) >> 12;
    std::uint64_t digits = roundedScaled(m, kDigits - 1 - exponent, shift);
    if (digits >= kBeyondFifteenDigits) {
        ++exponent;
        if (exponent >= kDigits) {
            return writeGeneral(out, value);
        }
        digits = roundedScaled(m, kDigits - 1 - exponent, shift);
    }
    if (exponent < -4 || digits < kSmallestFifteenDigits || digits >= kBeyondFifteenDigits) {
        return writeGeneral(out, value); // the exponent form
    }

    std::array<char, kDigits> text{};
    writeFifteenDigits(text.data(), digits);
    int count = kDigits;
    while (count > 1 && text[static_cast<std::size_t>(count - 1)] == '0') {
        --count;
    }
    if ((bits >> 63) != 0) {
        *out++ = '-';
    }
    return writePlainDigits(out, text.data(), count, exponent);
}

} // namespace pitwright
