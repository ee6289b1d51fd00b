#include "section/RepeatedAddition.h"

#include <cfloat>
#include <cmath>

// Within one binade [2^(e-1), 2^e) every double is a multiple of the same
// ulp u, so adding an increment that is not exactly half-way between two
// multiples of u rounds to the same step each time: x + round(increment / u)
// * u. A half-way increment rounds to even, the same step each time from an
// even multiple of u. While the running value stays inside the binade, k additions are one
// multiplication. An addition that leaves the value as it is will do so for
// ever. Near the binade's edges, at zero, for subnormals, ties and
// infinities the additions are made one at a time, as written.
namespace pitwright {
namespace {

// Below this many additions the plain loop is quicker than the bookkeeping.
constexpr long long kPlainLoopLimit = 256;

// Whether the increment lies exactly half-way between two multiples of the
// ulp 2^(e-53), where the rounding depends on the value it is added to.
bool isHalfWayAtUlp(double increment, int e) {
    const double twiceInUlps = std::ldexp(increment, 54 - e);
    return std::fabs(std::fmod(twiceInUlps, 2.0)) == 1.0;
}

// Whether the value is an even multiple of the ulp 2^(e-53). Ties round to
// even, so from an even value every tie rounds the same way and lands on an
// even value again: the step is constant once the value is even.
bool isEvenAtUlp(double value, int e) {
    return std::fmod(std::ldexp(std::fabs(value), 53 - e), 2.0) == 0.0;
}

} // namespace

double addRepeatedly(double value, double increment, long long times) {
    if (times <= kPlainLoopLimit) {
        for (long long i = 0; i < times; ++i) {
            value = increment + value;
        }
        return value;
    }
    while (times > 0) {
        const double next = increment + value;
        if (next == value && std::signbit(next) == std::signbit(value)) {
            return value; // an increment too small to move it, or none
        }
        const double magnitude = std::fabs(value);
        if (!std::isfinite(value) || !std::isfinite(next)) {
            // Infinities and NaN stay what one more addition makes them.
            value = next;
            times = std::min(times - 1, 1LL);
            continue;
        }
        int e = 0;
        std::frexp(magnitude, &e); // magnitude in [2^(e-1), 2^e)
        const double ulp = std::ldexp(1.0, e - 53);
        const double low = std::ldexp(1.0, e - 1) + ulp;
        const double high = std::ldexp(1.0, e) - ulp;
        const double nextMagnitude = std::fabs(next);
        const bool sameSign = (value > 0) == (next > 0);
        if (magnitude < DBL_MIN || !sameSign || nextMagnitude < low || nextMagnitude > high ||
            (isHalfWayAtUlp(increment, e) && !isEvenAtUlp(value, e))) {
            value = next;
            --times;
            continue;
        }
        // Inside the binade each addition moves the value by the same step,
        // exactly representable, as are its multiples up to the edges.
        const double step = next - value;
        const double outward = value > 0 ? step : -step; // growth of the magnitude
        const double room = outward > 0 ? high - magnitude : magnitude - low;
        const double fits = std::floor(room / std::fabs(outward));
        long long count = fits < static_cast<double>(times) ? static_cast<long long>(fits) : times;
        auto inside = [&](long long k) {
            const double reached = magnitude + static_cast<double>(k) * outward;
            return reached >= low && reached <= high;
        };
        while (count > 1 && !inside(count)) {
            --count; // the division above may round up by one
        }
        count = std::max(count, 1LL);
        value += static_cast<double>(count) * step;
        times -= count;
    }
    return value;
}

} // namespace pitwright
