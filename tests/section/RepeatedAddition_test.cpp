#include "section/RepeatedAddition.h"
#include "section/SectionProfile.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace pitwright {
namespace {

double oneAtATime(double value, double increment, long long times) {
    for (long long i = 0; i < times; ++i) {
        value = increment + value;
    }
    return value;
}

// Bit for bit, so that a differing sign of zero or NaN shows too.
void expectSameDouble(double actual, double expected, double value, double increment,
                      long long times) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
        << std::hexfloat << "value " << value << " increment " << increment << " times " << times
        << ": got " << actual << ", one at a time gives " << expected;
}

void expectLikeOneAtATime(double value, double increment, long long times) {
    expectSameDouble(addRepeatedly(value, increment, times), oneAtATime(value, increment, times),
                     value, increment, times);
}

TEST(RepeatedAddition, MatchesOneAdditionAtATimeForSlopeSizedNumbers) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> start(-1000, 100000);
    std::uniform_real_distribution<double> step(-50, 50);
    std::uniform_int_distribution<long long> times(0, 5000);
    for (int i = 0; i < 3000; ++i) {
        expectLikeOneAtATime(start(random), step(random), times(random));
    }
}

TEST(RepeatedAddition, MatchesAcrossSignsZeroAndEveryScale) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-60, 60);
    std::uniform_int_distribution<long long> times(0, 3000);
    for (int i = 0; i < 3000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random));
        const double increment = std::ldexp(mantissa(random), exponent(random));
        expectLikeOneAtATime(value, increment, times(random));
    }
    for (double value : {0.0, -0.0, 1e-310, -1e-310}) {
        for (double increment : {0.0, -0.0, 1e-310, 3.5, -3.5}) {
            expectLikeOneAtATime(value, increment, 100);
        }
    }
}

TEST(RepeatedAddition, MatchesWhereRoundingDependsOnTheValue) {
    // Increments half-way between two multiples of the ulp: ties to even.
    expectLikeOneAtATime(1.0, std::ldexp(1.0, -53), 1000);
    expectLikeOneAtATime(1.0, 3 * std::ldexp(1.0, -53), 1000);
    expectLikeOneAtATime(std::ldexp(1.0, 52) + 1, 0.5, 1000);
    expectLikeOneAtATime(std::ldexp(1.0, 52), 1.5, 1000);
    expectLikeOneAtATime(4096.0, std::ldexp(1.0, -42) * 5, 5000);
    // Increments too small to move the value, and values running into the
    // largest double and beyond.
    expectLikeOneAtATime(1.0, 1e-17, 1000);
    expectLikeOneAtATime(std::numeric_limits<double>::max() / 2, 1e305, 1000);
    const double inf = std::numeric_limits<double>::infinity();
    expectLikeOneAtATime(1.0, inf, 100);
    expectLikeOneAtATime(inf, -inf, 100);
    expectLikeOneAtATime(-inf, 5, 100);
    expectLikeOneAtATime(std::nan(""), 1, 100);
}

// A trillion additions finish at once where the answer is plain: found by
// the event fuzzer as a zero berm shift on 30,000 one-bench stacks.
TEST(RepeatedAddition, NeedsNoStepPerAdditionWhereTheValueCannotMove) {
    const long long trillion = 1'000'000'000'000LL;
    EXPECT_EQ(addRepeatedly(0.0, 0.0, trillion), 0.0);
    EXPECT_FALSE(std::signbit(addRepeatedly(-0.0, 0.0, trillion)));
    EXPECT_EQ(addRepeatedly(std::ldexp(1.0, 52), 0.5, trillion), std::ldexp(1.0, 52));
    EXPECT_EQ(addRepeatedly(1.0, 1.0, trillion), 1e12 + 1);
    EXPECT_EQ(addRepeatedly(1.0, 2.5, trillion), 2.5e12 + 1);
}

// The widening written as the passes over the ledges, for comparison.
void widenPassByPass(PointRows& x, int n, int perStack, int berms, double shift) {
    for (long long j = 1; j <= berms + 1LL; ++j) {
        for (long long k = j * perStack; k <= n - 1; ++k) {
            x(static_cast<std::size_t>(k), 1) = shift + x(static_cast<std::size_t>(k), 1);
            x(static_cast<std::size_t>(k) + 1, 0) = shift + x(static_cast<std::size_t>(k) + 1, 0);
        }
    }
}

TEST(RepeatedAddition, WidensBermsExactlyAsPassByPass) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> width(0, 40);
    for (int design = 0; design < 200; ++design) {
        const int n = std::uniform_int_distribution<int>(0, 600)(random);
        const int perStack = std::uniform_int_distribution<int>(1, 12)(random);
        const int berms = std::uniform_int_distribution<int>(-2, n / perStack + 3)(random);
        PointRows x;
        x.assignZeros(static_cast<std::size_t>(n) + 1);
        for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
            x(i, 0) = x(i - 1, 1) + width(random);
            x(i, 1) = x(i, 0) + width(random);
        }
        PointRows expected = x;
        const double shift = width(random) - width(random);
        widenBermLedges(x, n, perStack, berms, shift);
        widenPassByPass(expected, n, perStack, berms, shift);
        ASSERT_EQ(x, expected) << "n " << n << " per stack " << perStack << " berms " << berms;
    }
}

} // namespace
} // namespace pitwright
