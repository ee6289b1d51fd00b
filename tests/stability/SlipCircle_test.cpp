#include "stability/CircleEvaluation.h"
#include "stability/SlipCircle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace pitwright::stability {
namespace {

// A 45 degree slope 10 m high, with a floor in front and flat ground behind.
const Ground kSlope({{-20, 0}, {0, 0}, {10, 10}, {30, 10}});

std::vector<SlipMass> massesOf(const Ground& g, const Circle& c) {
    std::vector<SlipMass> masses;
    findSlipMasses(g, c, masses);
    return masses;
}

// Centre (0, 20), radius 20: tangent to the floor at the toe, out through
// the flat ground at x = sqrt(300).
TEST(SlipCircle, CutsOffTheBodyBetweenSurfaceAndArc) {
    const Circle c{0, 20, 20};
    const auto masses = massesOf(kSlope, c);
    ASSERT_EQ(masses.size(), 1u);
    const SlipMass& m = masses[0];
    EXPECT_EQ(m.shape, MassShape::Sound);
    EXPECT_NEAR(m.exit.point.x, 0, 1e-9);
    EXPECT_NEAR(m.exit.chainage, 20, 1e-9);
    EXPECT_NEAR(m.entry.point.x, std::sqrt(300.0), 1e-9);
    EXPECT_NEAR(m.entry.point.y, 10, 1e-12);
    EXPECT_NEAR(m.entry.chainage, 20 + std::sqrt(200.0) + std::sqrt(300.0) - 10, 1e-9);
    // Deepest under the crest.
    EXPECT_NEAR(massThickness(kSlope, c, m), std::sqrt(300.0) - 10, 1e-9);
    EXPECT_EQ(lowestArcLevel(c, m), 0);

    // The slices' weight is the area between surface and arc, exactly:
    // 50 + 10 (e - 10) under the surface, e = sqrt(300), less the area under
    // the arc, 20 e - (e sqrt(400 - e^2) / 2 + 200 asin(e / 20)).
    std::vector<Slice> slices;
    sliceMass(kSlope, c, m, 1.0, 50, slices);
    const double e = std::sqrt(300.0);
    const double underArc = 20 * e - (e * 10 / 2 + 200 * std::asin(e / 20));
    const double area = 50 + 10 * (e - 10) - underArc;
    const double weight =
        std::accumulate(slices.begin(), slices.end(), 0.0,
                        [](double sum, const Slice& s) { return sum + s.weight; });
    EXPECT_NEAR(weight, area, 1e-3 * area);
    EXPECT_GE(slices.size(), 50u);
    EXPECT_EQ(slices.front().xLeft, m.exit.point.x);
    EXPECT_EQ(slices.back().xRight, m.entry.point.x);
    for (std::size_t i = 1; i < slices.size(); ++i) {
        EXPECT_EQ(slices[i].xLeft, slices[i - 1].xRight);
    }
    // One slice boundary on the crest, where the surface bends.
    EXPECT_TRUE(
        std::any_of(slices.begin(), slices.end(), [](const Slice& s) { return s.xLeft == 10; }));
}

// Through the toe with the centre in front: the arc dips under the floor,
// and the lens there only touches the body behind the toe.
TEST(SlipCircle, BodiesTouchingAtAPointAreSeparate) {
    const Circle c{-5, 20, std::hypot(5.0, 20.0)};
    const auto masses = massesOf(kSlope, c);
    ASSERT_EQ(masses.size(), 2u);
    EXPECT_NEAR(masses[0].exit.point.x, -10, 1e-9);
    EXPECT_NEAR(masses[0].entry.point.x, 0, 1e-9);
    EXPECT_NEAR(masses[1].exit.point.x, 0, 1e-9);
    EXPECT_NEAR(masses[1].entry.point.x, std::sqrt(325.0) - 5, 1e-9);

    // The lens turns neither way; the body behind the toe is the mechanism.
    MassLimits limits;
    CircleEvaluator evaluator(kSlope, {10, 0}, 20, limits);
    const CircleResult r = evaluator.analyse(c);
    ASSERT_EQ(r.status, CircleStatus::Admissible);
    EXPECT_NEAR(r.mass.exit.point.x, 0, 1e-9);
}

TEST(SlipCircle, AnArcStillUnderTheSurfaceAtAnEndLeavesTheGround) {
    const Ground fromTheToe({{0, 0}, {10, 10}, {30, 10}});
    auto masses = massesOf(fromTheToe, {-5, 20, 22});
    ASSERT_EQ(masses.size(), 1u);
    EXPECT_EQ(masses[0].shape, MassShape::LeavesGround);

    const Ground shortBack({{-20, 0}, {0, 0}, {10, 10}, {12, 10}});
    masses = massesOf(shortBack, {0, 20, 20});
    ASSERT_EQ(masses.size(), 1u);
    EXPECT_EQ(masses[0].shape, MassShape::LeavesGround);

    // Exactly through the end point is a crossing, not a cut.
    masses = massesOf(fromTheToe, {-5, 20, std::hypot(5.0, 20.0)});
    ASSERT_EQ(masses.size(), 1u);
    EXPECT_EQ(masses[0].shape, MassShape::Sound);
}

TEST(SlipCircle, AnArcMeetingTheSurfaceAboveTheCentreCurlsOver) {
    const Ground highBack({{-20, 0}, {0, 0}, {10, 10}, {10, 30}, {20, 30}});
    const auto masses = massesOf(highBack, {-5, 15, 17});
    ASSERT_EQ(masses.size(), 1u);
    EXPECT_EQ(masses[0].shape, MassShape::CurlsOver);
    EXPECT_NEAR(masses[0].entry.point.y, 23, 1e-9);
}

TEST(SlipCircle, CirclesThatCutNothing) {
    EXPECT_TRUE(massesOf(kSlope, {0, 50, 10}).empty());    // in the air
    EXPECT_TRUE(massesOf(kSlope, {0, 20, 0}).empty());     // no radius
    EXPECT_TRUE(massesOf(kSlope, {15, -100, 20}).empty()); // deep under it all
    EXPECT_TRUE(massesOf(kSlope, {15, 30, 20}).empty());   // touching the top
    const auto shallow = massesOf(kSlope, {15, 29.9, 20}); // a sliver of the top
    ASSERT_EQ(shallow.size(), 1u);
    EXPECT_NEAR(massThickness(kSlope, {15, 29.9, 20}, shallow[0]), 0.1, 1e-9);
}

TEST(CircleEvaluation, KeepsTheLimitsOfTheMass) {
    MassLimits limits;
    const Circle c{0, 20, 20}; // out through the toe (chainage 20) and the top (about 41.46)
    auto statusWith = [&](const MassLimits& l) {
        CircleEvaluator evaluator(kSlope, {10, 0.5}, 20, l);
        return evaluator.analyse(c).status;
    };
    EXPECT_EQ(statusWith(limits), CircleStatus::Admissible);

    MassLimits exit = limits;
    exit.exitRange = GroundRange{21, 30};
    EXPECT_EQ(statusWith(exit), CircleStatus::OutsideExitRange);
    MassLimits entry = limits;
    entry.entryRange = GroundRange{20, 40};
    EXPECT_EQ(statusWith(entry), CircleStatus::OutsideEntryRange);
    MassLimits base = limits;
    base.firmBase = 0.5;
    EXPECT_EQ(statusWith(base), CircleStatus::BelowFirmBase);
    base.firmBase = 0.0;
    EXPECT_EQ(statusWith(base), CircleStatus::Admissible);
    MassLimits thick = limits;
    thick.minimumThickness = 7.4; // the mass is 7.32 m deep
    EXPECT_EQ(statusWith(thick), CircleStatus::TooThin);

    CircleEvaluator evaluator(kSlope, {10, 0.5}, 20, limits);
    EXPECT_EQ(evaluator.analyse({0, 50, 10}).status, CircleStatus::MissesGround);
    EXPECT_EQ(evaluator.factorOf({0, 50, 10}), std::numeric_limits<double>::infinity());
    const CircleResult r = evaluator.analyse(c);
    EXPECT_EQ(evaluator.factorOf(c), r.factor);
}

} // namespace
} // namespace pitwright::stability
