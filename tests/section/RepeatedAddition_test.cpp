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
    // Landing on a power of two from above: the sum lies below it, where
    // the doubles are twice as dense, and rounds to a value between.
    const double ulpOfOne = std::ldexp(1.0, -52);
    expectLikeOneAtATime(1 + 3 * ulpOfOne, -3.3 * ulpOfOne, 10);
    expectLikeOneAtATime(2 - 6 * ulpOfOne, 3.3 * ulpOfOne, 10);
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

// The ulp of a finite nonzero value: the distance to its neighbour away from zero.
double ulpOf(double value) {
    return std::nextafter(std::fabs(value), std::numeric_limits<double>::infinity()) -
           std::fabs(value);
}

TEST(RepeatedAddition, MatchesForIncrementsHalfWayBetweenTwoUlps) {
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> start(-1e6, 1e6);
    std::uniform_int_distribution<int> wholeUlps(0, 40);
    std::uniform_int_distribution<int> finerBy(0, 6);
    std::uniform_int_distribution<long long> times(3, 4000);
    for (int i = 0; i < 4000; ++i) {
        // An increment of w + 1/2 ulps of the start value, or of a binade
        // or a few below it, in either direction; half of the starts odd.
        double value = start(random);
        if (i % 2 == 0) {
            value = std::nextafter(value, 0.0);
        }
        const double ulp = std::ldexp(ulpOf(value), -finerBy(random));
        const double increment = (wholeUlps(random) + 0.5) * ulp * (i % 3 == 0 ? -1 : 1);
        expectLikeOneAtATime(value, increment, times(random));
    }
}

TEST(RepeatedAddition, MatchesThroughZeroAndAcrossManyBinades) {
    // From a million down through zero to minus a million, and back up.
    expectLikeOneAtATime(1e6, -3.7, 600000);
    expectLikeOneAtATime(-1e6, 3.7, 600000);
    expectLikeOneAtATime(1e6, -1e6 / 3, 12);
    // Tiny increments on large values: the value moves in some binades
    // and not in others.
    expectLikeOneAtATime(std::ldexp(1.0, 53) + 2, -1.0, 5000);
    expectLikeOneAtATime(std::ldexp(1.0, 53), -0.75, 5000);
    expectLikeOneAtATime(std::ldexp(1.0, 53), 1.0, 5000);
    expectLikeOneAtATime(1.0, -std::ldexp(1.0, -54), 5000);
    expectLikeOneAtATime(1.0, -std::ldexp(3.0, -54), 5000);
    // Increments far larger than the value, growing through many binades.
    expectLikeOneAtATime(1e-300, 1e300, 100000);
    expectLikeOneAtATime(-1e-10, 7.25e20, 100000);
}

TEST(RepeatedAddition, MatchesAmongAndAcrossSubnormals) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    const double tiniestNormal = std::numeric_limits<double>::min();
    for (double value : {0.0, -0.0, smallest, -smallest, 1e-310, -1e-310, tiniestNormal,
                         -tiniestNormal, 3 * tiniestNormal}) {
        for (double increment : {smallest, -smallest, 3e-312, -3e-312, tiniestNormal / 3,
                                 -tiniestNormal, 2.5 * tiniestNormal}) {
            expectLikeOneAtATime(value, increment, 20000);
        }
    }
    // Exactly back to zero: the sum of opposite values is +0.
    expectLikeOneAtATime(-5 * smallest, smallest, 5);
    expectLikeOneAtATime(-5 * smallest, smallest, 1000);
    expectLikeOneAtATime(5 * tiniestNormal, -tiniestNormal, 1000);
    // Out of the subnormals into the normals, and down into them again.
    expectLikeOneAtATime(1e-310, 7e-313, 100000);
    expectLikeOneAtATime(1e-306, -7e-312, 100000);
}

TEST(RepeatedAddition, MatchesRandomBitPatterns) {
    // Any finite bits, and values with a few binades between them, so that
    // ties, subnormals and every shift between value and increment occur.
    std::mt19937_64 random(23);
    std::uniform_int_distribution<int> exponentGap(-3, 70);
    std::uniform_int_distribution<long long> times(0, 3000);
    auto finite = [&random] {
        double x = 0;
        do {
            x = std::bit_cast<double>(random());
        } while (!std::isfinite(x));
        return x;
    };
    for (int i = 0; i < 3000; ++i) {
        const double value = finite();
        const double increment = std::ldexp(
            std::bit_cast<double>((random() & 0x800F'FFFF'FFFF'FFFFULL) | 0x3FF0'0000'0000'0000ULL),
            std::ilogb(value) - exponentGap(random));
        expectLikeOneAtATime(value, increment, times(random));
        expectLikeOneAtATime(value, finite(), times(random));
    }
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
    // Among the subnormals every addition moves the value, exactly.
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(addRepeatedly(3e13 * smallest, smallest, trillion), (3e13 + 1e12) * smallest);
    EXPECT_EQ(addRepeatedly(3e13 * smallest, -smallest, trillion), 2.9e13 * smallest);
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

TEST(RepeatedAddition, WidensLongWallsOfOneBenchStacksExactlyAsPassByPass) {
    // Thousands of additions on each point; the second shift is a tie in
    // the ulp of the points from 2048 m on, the third is negative.
    for (double shift : {0.5773502691896257, std::ldexp(5.0, -42), -0.0625 / 3}) {
        const int n = 3000;
        PointRows x;
        x.assignZeros(n + 1);
        for (std::size_t i = 1; i <= n; ++i) {
            x(i, 0) = x(i - 1, 1) + 0.4 / 3.7320508075688772;
            x(i, 1) = x(i, 0) + 0.13;
        }
        PointRows expected = x;
        widenBermLedges(x, n, 1, n, shift);
        widenPassByPass(expected, n, 1, n, shift);
        ASSERT_EQ(x, expected) << "shift " << shift;
    }
}

} // namespace
} // namespace pitwright
