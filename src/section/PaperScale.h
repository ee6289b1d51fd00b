#pragma once

namespace pitwright {

// The smallest round ratio 1:N with N >= `atLeast`: N one of 1, 1.25, 1.5, 2,
// 2.5, 3, 4, 5, 6 and 7.5 times a power of ten, and a whole number (so 1:12.5
// is skipped). Never below 1:1. 0 when no such N is below kLargestScale.
double roundScaleAtLeast(double atLeast);

// Beyond this a ratio is no longer written exactly as a whole number.
inline constexpr double kLargestScale = 1e15;

// The longest round length (1, 2 or 5 times a power of ten, in metres) whose
// bar is no longer than `longestMillimetres` on paper at `metresPerMillimetre`.
double scaleBarLength(double metresPerMillimetre, double longestMillimetres);

} // namespace pitwright
