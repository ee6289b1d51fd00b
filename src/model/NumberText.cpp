#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace pitwright {
namespace {

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

double valueOfText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > mantissaStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t afterFraction = skipDigits(text, i + 1);
        if (anyDigit || afterFraction > i + 1) {
            anyDigit = true;
            i = afterFraction;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
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

std::string formatGeneral(double value) {
    if (value == 0.0) {
        return "0";
    }
    if (!std::isfinite(value)) {
        return {}; // no field ever shows "inf" or "nan"
    }
    // d.dddddddddddddde+XX: the value rounded to 15 significant digits.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    std::string out;
    if (text.front() == '-') {
        out.push_back('-');
        text.remove_prefix(1);
    }
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos)) {
        if (c != '.') {
            digits.push_back(c);
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    if (exponent < -4 || exponent >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            out += '0';
        }
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits);
            out += '.';
            out += digits.substr(intDigits);
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
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
