#include "GeneralFormWriter.h"

#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace pitwright {
namespace {

constexpr int kSignificantDigits = 15;

// Whole numbers below 10^15 have at most 15 digits: their general form is
// the plain integer.
constexpr double kLargestPlainInteger = 1e15;

char* writeViaFormatGeneral(char* out, double value) {
    const std::string text = formatGeneral(value);
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

} // namespace

char* writeGeneralForm(char* out, double value) {
    if (value == 0.0) {
        *out = '0';
        return out + 1;
    }
    if (std::fabs(value) < kLargestPlainInteger && value == std::trunc(value)) {
        return std::to_chars(out, out + kGeneralFormMaxChars, static_cast<long long>(value)).ptr;
    }
    if (!std::isfinite(value)) {
        return writeViaFormatGeneral(out, value);
    }

    // [-]d.dddddddddddddde[+-]XX: the value rounded to 15 significant digits.
    std::array<char, 32> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    const char* p = buffer.data();
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    std::array<char, kSignificantDigits> digits{};
    digits[0] = p[0];
    std::memcpy(digits.data() + 1, p + 2, kSignificantDigits - 1);
    int exponent = 0;
    const char* exponentText = p + 2 + (kSignificantDigits - 1) + 1; // past the 'e'
    std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), end, exponent);
    if (exponent < -4 || exponent >= kSignificantDigits) {
        return writeViaFormatGeneral(out, value); // the exponent form, rare in metres
    }

    int count = kSignificantDigits;
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0') {
        --count;
    }
    if (negative) {
        *out++ = '-';
    }
    if (exponent >= 0) {
        const int intDigits = exponent + 1;
        if (count <= intDigits) {
            std::memcpy(out, digits.data(), static_cast<std::size_t>(count));
            out += count;
            std::memset(out, '0', static_cast<std::size_t>(intDigits - count));
            return out + (intDigits - count);
        }
        std::memcpy(out, digits.data(), static_cast<std::size_t>(intDigits));
        out += intDigits;
        *out++ = '.';
        std::memcpy(out, digits.data() + intDigits, static_cast<std::size_t>(count - intDigits));
        return out + (count - intDigits);
    }
    *out++ = '0';
    *out++ = '.';
    const int leadingZeros = -exponent - 1;
    std::memset(out, '0', static_cast<std::size_t>(leadingZeros));
    out += leadingZeros;
    std::memcpy(out, digits.data(), static_cast<std::size_t>(count));
    return out + count;
}

} // namespace pitwright
