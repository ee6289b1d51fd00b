#pragma once

namespace pitwright {

// Room for the longest text writeRoundTrip gives: "-0.0000" and 17 digits,
// or a sign, 17 digits, a point and an exponent, with a margin.
inline constexpr int kRoundTripMaxChars = 32;

// The shortest text that reads back as exactly `value`, for file formats
// that keep full precision: plain decimals from 1e-5 to below 1e16, the
// exponent form ("1.5e-07", "2e+20") beyond; a zero of either sign as "0".
// `value` must be finite; `out` needs room for kRoundTripMaxChars
// characters. Returns the end of the text. Independent of the locale.
char* writeRoundTrip(char* out, double value);

} // namespace pitwright
