#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Every conversion between numbers and field texts lives here.
namespace pitwright {

// Numeric value of a field text: leading blanks skipped, the longest prefix
// that reads as a decimal number (sign, digits, point, digits, exponent) is
// taken, and 0 when there is none. A prefix beyond the double range reads as
// an infinity of its sign; one below it as zero.
double valueOfText(std::string_view text);

// The number at the start of a field text as valueOfText reads it, up to its
// exponent: blanks and a sign skipped, then digits with at most one point.
// `mantissaEnd` equals `mantissaStart` where no digit is there (a lone point
// is not taken).
struct NumberPrefix {
    bool negative = false;
    std::size_t mantissaStart = 0;
    std::size_t mantissaEnd = 0;
};
NumberPrefix numberPrefixOf(std::string_view text);

// General form: up to 15 significant digits, no trailing zeros, zero written
// as 0 (also a negated zero). Magnitudes below 1e-4 or from 1e15 on take the
// exponent form, as in 1.5E-05 or 1E+15. Infinities and NaN give an empty text.
std::string formatGeneral(double value);

// The longest general form there is: "-1.23456789012345E-308" and a margin.
inline constexpr int kGeneralFormMaxChars = 24;

// The general form written straight into `out`, which must have room for
// kGeneralFormMaxChars characters; returns the end. For writers of long
// texts, which cannot afford a string per number.
char* writeGeneral(char* out, double value);

// Significant digits (no trailing zeros) whose first stands at the decimal
// exponent, in plain notation: "1234" at 1 gives 12.34, at -2 gives 0.01234.
// The part of the general form between its sign and its end.
char* writePlainDigits(char* out, const char* digits, int count, int exponent);

// Rounded half to even at the n-th decimal, of the exact binary value, then
// in general form: 12.34567 with 2 gives 12.35, 2.5 with 0 gives 2.
std::string formatRounded(double value, int decimals);

// A count as a plain integer.
std::string formatCount(std::int64_t count);

// Rounds half to even to a 16-bit count; nothing when the result does not fit
// (or the value is not a number).
std::optional<std::int16_t> toCount16(double value);

// Rounds half to even to a whole number.
double roundHalfEven(double value);

} // namespace pitwright
