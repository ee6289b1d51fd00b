#include "section/RepeatedAddition.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

// A finite double is an integer significand M times its ulp u = 2^(e - 1075),
// e being the biased exponent (1 for subnormals). Within one binade,
// 2^52 <= M < 2^53, the ulp is the same for every value, so adding an
// increment d rounds to the same number of ulps each time: round(d / u), or
// for an increment exactly half-way between two multiples of u the even
// neighbour, which from an even M is the same step each time. k additions that
// stay inside the binade are then M + k * step, worked out on the integers.
// Below 2^-1021 every double is a multiple of the smallest ulp and additions
// of such small increments are exact: V + k * D. Near a binade's edges, where
// the value cannot move, for increments larger than the value and for
// infinities and NaN the additions are made one at a time, as written.
namespace pitwright {
namespace {

// The plain loop is quicker than the bookkeeping for very few additions.
constexpr long long kPlainLoopLimit = 2;

constexpr int kFractionBits = 52;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kFractionBits;
constexpr std::uint64_t kFractionMask = kHiddenBit - 1;
constexpr std::uint64_t kBinadeEnd = kHiddenBit << 1; // 2^53, first M of the next binade

// |x| = significand * 2^(exponent - 1075), exponent >= 1.
struct Magnitude {
    int exponent = 1;
    std::uint64_t significand = 0;
};

Magnitude magnitudeOf(std::uint64_t bits) {
    const int field = static_cast<int>((bits >> kFractionBits) & 0x7FF);
    const std::uint64_t fraction = bits & kFractionMask;
    return field == 0 ? Magnitude{1, fraction} : Magnitude{field, fraction | kHiddenBit};
}

// The inverse of magnitudeOf for the same exponent: a normal significand
// carries its hidden bit into the exponent field, a subnormal one does not.
double doubleOf(bool negative, int exponent, std::uint64_t significand) {
    const std::uint64_t bits =
        (static_cast<std::uint64_t>(exponent - 1) << kFractionBits) + significand;
    return std::bit_cast<double>(negative ? bits | kSignBit : bits);
}

// How many of `times` steps of `step` fit into `room`.
long long stepsWithin(std::uint64_t room, std::uint64_t step, long long times) {
    std::uint64_t total = 0;
    if (!__builtin_mul_overflow(static_cast<std::uint64_t>(times), step, &total) && total <= room) {
        return times; // the usual case, without a division
    }
    return static_cast<long long>(room / step);
}

struct Additions {
    long long count = 0; // 0: make the next addition one at a time
    double result = 0;
};

// Both magnitudes below 2^-1021: multiples of 2^-1074 below 2^53 of them, of
// either sign. Sums that stay below 2^53 are exact.
Additions addTiny(std::uint64_t valueBits, std::uint64_t incrementBits, long long times) {
    const auto value = static_cast<std::int64_t>(magnitudeOf(valueBits).significand);
    const auto increment = static_cast<std::int64_t>(magnitudeOf(incrementBits).significand);
    const bool valueNegative = (valueBits & kSignBit) != 0;
    const bool incrementNegative = (incrementBits & kSignBit) != 0;
    const std::int64_t signedValue = valueNegative ? -value : value;
    const std::int64_t limit = static_cast<std::int64_t>(kBinadeEnd) - 1;
    // Moving away from zero there is the room up to the limit; towards it,
    // also the room on the other side.
    const bool outward = valueNegative == incrementNegative;
    const auto room = static_cast<std::uint64_t>(outward ? limit - value : limit + value);
    const long long count = stepsWithin(room, static_cast<std::uint64_t>(increment), times);
    if (count == 0) {
        return {};
    }
    const std::int64_t sum = signedValue + (incrementNegative ? -count : count) * increment;
    // An exact sum of zero is +0, as a single addition of opposite values gives.
    const bool negative = sum < 0;
    return {count, doubleOf(negative, 1, static_cast<std::uint64_t>(negative ? -sum : sum))};
}

// The value in a binade above the smallest, the increment at least one
// binade below it: constant steps of whole ulps while the value stays
// strictly inside its binade (2^52 < M < 2^53), where the sum rounds to
// multiples of that binade's ulp.
Additions addWithinBinade(std::uint64_t valueBits, std::uint64_t incrementBits, long long times) {
    const Magnitude value = magnitudeOf(valueBits);
    const Magnitude increment = magnitudeOf(incrementBits);
    const int shift = value.exponent - increment.exponent; // increment / ulp = D / 2^shift
    if (shift < 1) {
        return {}; // a step of a whole binade or more
    }
    std::uint64_t step = 0;
    if (shift < 64) {
        const std::uint64_t whole = increment.significand >> shift;
        const std::uint64_t rest = increment.significand & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest == half) {
            // A tie rounds to the even neighbour: from an even M the step is
            // the even one of whole and whole + 1; from an odd M the first
            // step differs.
            if ((value.significand & 1) != 0) {
                return {};
            }
            step = whole + (whole & 1);
        } else {
            step = whole + (rest > half ? 1 : 0);
        }
    }
    if (step == 0) {
        return {}; // at most the finer rounding below the binade moves it
    }
    const bool outward = ((valueBits ^ incrementBits) & kSignBit) == 0;
    const std::uint64_t lowest = kHiddenBit + 1;
    const std::uint64_t highest = kBinadeEnd - 1;
    if (!outward && value.significand < lowest) {
        return {};
    }
    const std::uint64_t room = outward ? highest - value.significand : value.significand - lowest;
    const long long count = stepsWithin(room, step, times);
    if (count == 0) {
        return {};
    }
    const std::uint64_t moved = static_cast<std::uint64_t>(count) * step;
    const std::uint64_t significand =
        outward ? value.significand + moved : value.significand - moved;
    return {count, doubleOf((valueBits & kSignBit) != 0, value.exponent, significand)};
}

Additions addInWholeSteps(double value, double increment, long long times) {
    const auto valueBits = std::bit_cast<std::uint64_t>(value);
    const auto incrementBits = std::bit_cast<std::uint64_t>(increment);
    const int valueExponent = static_cast<int>((valueBits >> kFractionBits) & 0x7FF);
    const int incrementExponent = static_cast<int>((incrementBits >> kFractionBits) & 0x7FF);
    if (valueExponent <= 1) {
        return incrementExponent <= 1 ? addTiny(valueBits, incrementBits, times) : Additions{};
    }
    return addWithinBinade(valueBits, incrementBits, times);
}

} // namespace

double addRepeatedly(double value, double increment, long long times) {
    while (times > 0) {
        if (times <= kPlainLoopLimit) {
            for (long long i = 0; i < times; ++i) {
                value = increment + value;
            }
            return value;
        }
        const double next = increment + value;
        if (next == value && std::signbit(next) == std::signbit(value)) {
            return value; // an increment too small to move it, or none
        }
        if (!std::isfinite(value) || !std::isfinite(next)) {
            // Infinities and NaN stay what one more addition makes them.
            value = next;
            times = std::min(times - 1, 1LL);
            continue;
        }
        const Additions run = addInWholeSteps(value, increment, times);
        if (run.count == 0) {
            value = next;
            --times;
        } else {
            value = run.result;
            times -= run.count;
        }
    }
    return value;
}

} // namespace pitwright
