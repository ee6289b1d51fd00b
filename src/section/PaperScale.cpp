#include "section/PaperScale.h"

#include <cmath>
#include <initializer_list>

namespace pitwright {
namespace {

// A rounding of the power of ten must not push a ratio that fits just over
// the limit it was chosen for.
constexpr double kTolerance = 1e-9;

} // namespace

double roundScaleAtLeast(double atLeast) {
    static constexpr double kMantissas[] = {1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 7.5};
    if (!(atLeast <= kLargestScale)) {
        return 0;
    }
    if (atLeast <= 1) {
        return 1;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(atLeast)));
    for (int power = exponent - 1; power <= exponent + 1; ++power) {
        const double decade = std::pow(10.0, power);
        for (double mantissa : kMantissas) {
            const double candidate = std::round(mantissa * decade * 100) / 100;
            if (candidate >= 1 && candidate == std::floor(candidate) &&
                candidate >= atLeast * (1 - kTolerance)) {
                return candidate <= kLargestScale ? candidate : 0;
            }
        }
    }
    return 0;
}

double scaleBarLength(double metresPerMillimetre, double longestMillimetres) {
    const double longest = metresPerMillimetre * longestMillimetres;
    if (!(longest > 0) || !std::isfinite(longest)) {
        return 0;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(longest)));
    for (int power = exponent; power >= exponent - 1; --power) {
        const double decade = std::pow(10.0, power);
        for (double mantissa : {5.0, 2.0, 1.0}) {
            if (mantissa * decade <= longest * (1 + kTolerance)) {
                return mantissa * decade;
            }
        }
    }
    return std::pow(10.0, exponent - 1);
}

} // namespace pitwright
