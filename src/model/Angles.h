#pragma once

// Degrees and radians convert with this value of pi in both directions, so
// that every derived figure matches the program's established results.
namespace pitwright {

inline constexpr double kPi = 3.14159265359;

inline double degreesToRadians(double degrees) {
    return degrees * kPi / 180.0;
}
inline double radiansToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

} // namespace pitwright
