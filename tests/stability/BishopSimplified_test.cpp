#include "stability/BishopSimplified.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace pitwright::stability {
namespace {

Slice slice(double width, double weight, double alphaDegrees) {
    const double a = alphaDegrees * 3.141592653589793 / 180;
    Slice s;
    s.xRight = width;
    s.weight = weight;
    s.sinBase = std::sin(a);
    s.cosBase = std::cos(a);
    return s;
}

TEST(BishopSimplified, SolvesOneSliceByHand) {
    // F (cos a + sin a tan phi / F) = (c b + W tan phi) / (W sin a):
    // 0.8 F + 0.3 = 60 / 60 gives F = 0.875.
    Slice s;
    s.xRight = 1;
    s.weight = 100;
    s.sinBase = 0.6;
    s.cosBase = 0.8;
    const std::vector<Slice> slices{s};
    const FactorResult f = bishopFactorOfSafety(slices, {10, 0.5}, {});
    ASSERT_EQ(f.status, FactorStatus::Found);
    EXPECT_NEAR(f.factor, 0.875, 1e-9);
    EXPECT_NEAR(ordinaryFactorOfSafety(slices, {10, 0.5}).factor, (10 / 0.8 + 40) / 60, 1e-12);
}

TEST(BishopSimplified, NoStrengthGivesZeroAndNoFigureOverflows) {
    const std::vector<Slice> slices{slice(1, 100, 30), slice(1, 50, -10)};
    const FactorResult none = bishopFactorOfSafety(slices, {0, 0}, {});
    EXPECT_EQ(none.status, FactorStatus::Found);
    EXPECT_EQ(none.factor, 0);

    for (const Strength& huge : {Strength{1e308, 0}, Strength{1e308, 0.5}}) {
        const FactorResult f = bishopFactorOfSafety(slices, huge, {});
        EXPECT_EQ(f.status, FactorStatus::NotConverged);
        EXPECT_EQ(f.factor, 0);
        EXPECT_EQ(ordinaryFactorOfSafety(slices, huge).factor, 0);
    }
    const std::vector<Slice> heavy{slice(1, 1e308, 30), slice(1, 1e308, 40)};
    EXPECT_EQ(bishopFactorOfSafety(heavy, {10, 0.5}, {}).status, FactorStatus::NoDrivingMoment);
}

TEST(BishopSimplified, AMassThatDoesNotTurnTowardThePitHasNoFactor) {
    // Symmetric about the centre, and a mass turning backwards.
    const std::vector<Slice> lens{slice(1, 100, 20), slice(1, 100, -20)};
    const std::vector<Slice> backwards{slice(1, 100, -20)};
    for (const auto* slices : {&lens, &backwards}) {
        const FactorResult f = bishopFactorOfSafety(*slices, {10, 0.5}, {});
        EXPECT_EQ(f.status, FactorStatus::NoDrivingMoment);
        EXPECT_EQ(f.factor, 0);
        EXPECT_EQ(ordinaryFactorOfSafety(*slices, {10, 0.5}).status, FactorStatus::NoDrivingMoment);
    }
    EXPECT_EQ(bishopFactorOfSafety({}, {10, 0.5}, {}).status, FactorStatus::NoDrivingMoment);
}

TEST(BishopSimplified, RefusesASliceWhoseMAlphaFallsTooLow) {
    // A steep base rising toward the pit: m-alpha = cos a - sin a tan(phi) / F
    // stays above 0.2 only for F above 1.44 here, and the equilibrium lies
    // near 0.6.
    const std::vector<Slice> slices{slice(1, 1000, 60), slice(1, 1000, 30), slice(0.2, 5, -60)};
    const FactorResult f = bishopFactorOfSafety(slices, {1, 0.5}, {});
    EXPECT_EQ(f.status, FactorStatus::MAlphaTooSmall);
    EXPECT_EQ(f.factor, 0);

    // Without friction m-alpha is cos a: a base near vertical is refused.
    const std::vector<Slice> steep{slice(1, 100, 30), slice(0.1, 10, 80)};
    EXPECT_EQ(bishopFactorOfSafety(steep, {10, 0}, {}).status, FactorStatus::MAlphaTooSmall);
    // A lower limit lets it through.
    BishopSettings lenient;
    lenient.smallestMAlpha = 0.1;
    EXPECT_EQ(bishopFactorOfSafety(steep, {10, 0}, lenient).status, FactorStatus::Found);
}

TEST(BishopSimplified, EveryMAlphaStaysAboveTheLimitAtTheFactorFound) {
    const std::vector<Slice> slices{slice(2, 300, 55), slice(2, 500, 35), slice(2, 400, 10),
                                    slice(2, 150, -15), slice(1, 40, -35)};
    const Strength strength{12, std::tan(0.6)};
    const FactorResult f = bishopFactorOfSafety(slices, strength, {});
    ASSERT_EQ(f.status, FactorStatus::Found);
    double resisting = 0;
    double driving = 0;
    for (const Slice& s : slices) {
        EXPECT_GT(mAlpha(s, strength.tanFriction, f.factor), 0.2);
        resisting += (12 * s.width() + s.weight * strength.tanFriction) /
                     mAlpha(s, strength.tanFriction, f.factor);
        driving += s.weight * s.sinBase;
    }
    EXPECT_NEAR(resisting / driving, f.factor, 1e-8 * f.factor); // it is the fixed point
    EXPECT_LT(f.iterations, 12);
}

} // namespace
} // namespace pitwright::stability
