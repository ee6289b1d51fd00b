#pragma once

namespace pitwright {

// The longest text writeGeneralForm produces.
inline constexpr int kGeneralFormMaxChars = 24;

// Writes the general form of a number (up to 15 significant digits, no
// trailing zeros, a zero and a negated zero written 0) straight into `out`,
// which must have room for kGeneralFormMaxChars characters, and returns the
// end. Gives the same text as formatGeneral without allocating in the usual
// range of magnitudes.
char* writeGeneralForm(char* out, double value);

} // namespace pitwright
