#include "model/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

namespace pitwright {
namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// Order of magnitude of a decimal mantissa (digits with an optional point)
// scaled by 10^exponent; used only to tell overflow from underflow.
long long magnitudeOf(std::string_view mantissa, long long exponent) {
    const std::size_t point = mantissa.find('.');
    const std::size_t intDigits = point == std::string_view::npos ? mantissa.size() : point;
    long long position = 0;
    for (std::size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] == '.' || mantissa[i] == '0') {
            continue;
        }
        position = i < intDigits ? static_cast<long long>(intDigits - i) - 1
                                 : -static_cast<long long>(i - intDigits);
        break;
    }
    return position + exponent;
}

long long saturatingExponent(std::string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1'000'000'000LL);
    }
    return negative ? -value : value;
}

} // namespace

NumberPrefix numberPrefixOf(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    NumberPrefix prefix;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        prefix.negative = text[i] == '-';
        ++i;
    }
    prefix.mantissaStart = i;
    i = skipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        const std::size_t afterFraction = skipDigits(text, i + 1);
        if (i > prefix.mantissaStart || afterFraction > i + 1) {
            i = afterFraction;
        }
    }
    prefix.mantissaEnd = i;
    return prefix;
}

double valueOfText(std::string_view text) {
    const auto [negative, mantissaStart, mantissaEnd] = numberPrefixOf(text);
    if (mantissaEnd == mantissaStart) {
        return 0.0;
    }
    std::size_t i = mantissaEnd;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t digitsStart = i + 1;
        if (digitsStart < text.size() && (text[digitsStart] == '+' || text[digitsStart] == '-')) {
            ++digitsStart;
        }
        const std::size_t digitsEnd = skipDigits(text, digitsStart);
        if (digitsEnd > digitsStart) {
            i = digitsEnd;
        }
    }

    const std::string_view number = text.substr(mantissaStart, i - mantissaStart);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        const std::string_view exponent = i > mantissaEnd
                                              ? text.substr(mantissaEnd + 1, i - mantissaEnd - 1)
                                              : std::string_view{};
        value = magnitudeOf(mantissa, saturatingExponent(exponent)) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}

char* writeGeneral(char* out, double value) {
    if (value == 0.0) {
        *out = '0'; // also a negated zero
        return out + 1;
    }
    if (!std::isfinite(value)) {
        return out; // no field ever shows "inf" or "nan"
    }
    // Whole numbers below 10^15 have at most 15 digits: the plain integer.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        return std::to_chars(out, out + kGeneralFormMaxChars, static_cast<long long>(value)).ptr;
    }

    // [-]d.dddddddddddddde[+-]XX: the value rounded to 15 significant digits.
    std::array<char, 32> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    const char* p = buffer.data();
    if (*p == '-') {
        *out++ = '-';
        ++p;
    }
    std::array<char, kSignificantDigits> digits{};
    digits[0] = p[0];
    std::memcpy(digits.data() + 1, p + 2, kSignificantDigits - 1);
    int exponent = 0;
    const char* exponentText = p + 2 + (kSignificantDigits - 1) + 1; // past the 'e'
    std::from_chars(exponentText + (*exponentText == '+' ? 1 : 0), end, exponent);
    int count = kSignificantDigits;
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0') {
        --count;
    }
    auto copyDigits = [&](int from, int to) {
        std::memcpy(out, digits.data() + from, static_cast<std::size_t>(to - from));
        out += to - from;
    };

    if (exponent < -4 || exponent >= kSignificantDigits) {
        copyDigits(0, 1);
        if (count > 1) {
            *out++ = '.';
            copyDigits(1, count);
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            *out++ = '0';
        }
        return std::to_chars(out, out + 4, magnitude).ptr;
    }
    return writePlainDigits(out, digits.data(), count, exponent);
}

char* writePlainDigits(char* out, const char* digits, int count, int exponent) {
    auto copyDigits = [&](int from, int to) {
        std::memcpy(out, digits + from, static_cast<std::size_t>(to - from));
        out += to - from;
    };
    if (exponent >= 0) {
        const int intDigits = exponent + 1;
        if (count <= intDigits) {
            copyDigits(0, count);
            std::memset(out, '0', static_cast<std::size_t>(intDigits - count));
            return out + (intDigits - count);
        }
        copyDigits(0, intDigits);
        *out++ = '.';
        copyDigits(intDigits, count);
        return out;
    }
    *out++ = '0';
    *out++ = '.';
    std::memset(out, '0', static_cast<std::size_t>(-exponent - 1));
    out += -exponent - 1;
    copyDigits(0, count);
    return out;
}

std::string formatGeneral(double value) {
    std::array<char, kGeneralFormMaxChars> buffer{};
    return std::string(buffer.data(), writeGeneral(buffer.data(), value));
}

std::string formatRounded(double value, int decimals) {
    // Fixed notation of a double needs at most 309 integer digits.
    std::array<char, 340> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    double rounded = 0.0;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return formatGeneral(rounded);
}

std::string formatCount(std::int64_t count) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), count);
    return std::string(buffer.data(), result.ptr);
}

double roundHalfEven(double value) {
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return nearest;
}

std::optional<std::int16_t> toCount16(double value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace pitwright
