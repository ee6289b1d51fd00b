// The engine against published results for circular slip surfaces.
#include "stability/BishopSimplified.h"
#include "stability/CircleEvaluation.h"
#include "stability/CircleSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace pitwright::stability {
namespace {

// ACADS slope stability benchmark problem 1(a) (Donald and Giam 1989): a
// homogeneous 2:1 slope 10 m high over a firm base 5 m below its toe, with
// the short floor of the usual statement of its ground.
GroundModel acadsGround() {
    return {Ground({{20, 25}, {30, 25}, {50, 35}, {70, 35}}), 20.0};
}
const Material kAcadsMaterial{20, 3, 19.6};

TEST(PublishedResults, AcadsProblem1aWithinTwoPercentOfTheReferee) {
    const SearchResult r = searchCriticalCircle(acadsGround(), kAcadsMaterial, {}, {});
    ASSERT_EQ(r.status, SearchStatus::Found);
    // Referee factor of safety 1.00; published Bishop results about 0.99.
    EXPECT_NEAR(r.critical.factorOfSafety, 1.00, 0.02);
    EXPECT_NEAR(r.critical.factorOfSafety, 0.99, 0.0198);
    EXPECT_GE(r.critical.circle.y - r.critical.circle.radius, 20 - 1e-9) << "below the firm base";
    EXPECT_FALSE(r.onGridBorder);
}

// Taylor (1937), purely cohesive slopes, toe circles: the stability number
// gamma H / (c / F) of the critical circle through the toe, the ground
// falling away in front of the toe.
double taylorStabilityNumber(double slopeAngle) {
    const double height = 10;
    const double run = height / std::tan(slopeAngle * std::numbers::pi / 180);
    const Material clay{20, 20, 0};
    const GroundModel ground{Ground({{0, 0}, {run, height}, {run + 8 * height, height}}), {}};
    const SlipRanges throughTheToe{GroundRange{0, 0}, std::nullopt};
    const SearchResult r = searchCriticalCircle(ground, clay, throughTheToe, {});
    EXPECT_EQ(r.status, SearchStatus::Found);
    EXPECT_NEAR(r.critical.exitPoint.x, 0, 1e-9);
    EXPECT_NEAR(r.critical.exitPoint.y, 0, 1e-9);
    EXPECT_FALSE(r.onGridBorder);
    return r.critical.factorOfSafety * clay.unitWeight * height / clay.cohesion;
}

TEST(PublishedResults, TaylorToeCirclesWithinOnePercent) {
    EXPECT_NEAR(taylorStabilityNumber(90), 3.83, 0.0383);
    EXPECT_NEAR(taylorStabilityNumber(60), 5.24, 0.0524);
    EXPECT_NEAR(taylorStabilityNumber(45), 5.88, 0.0588);
}

// Without friction both methods take the base force as cohesion along the
// base alone: the same slices give the same factor, whatever the circle.
TEST(PublishedResults, BishopAndOrdinaryMethodAgreeWithoutFriction) {
    const Ground ground = acadsGround().surface;
    const Material clay{20, 15, 0};
    MassLimits limits;
    CircleEvaluator evaluator(ground, strengthOf(clay), clay.unitWeight, limits);
    const Circle circles[] = {{29.5, 54, 29}, {40, 50, 24}, {35, 45, 20.5}, {45, 60, 33}};
    for (const Circle& c : circles) {
        const CircleResult r = evaluator.analyse(c);
        ASSERT_EQ(r.status, CircleStatus::Admissible) << c.x << ", " << c.y;
        const FactorResult ordinary = ordinaryFactorOfSafety(r.slices, strengthOf(clay));
        ASSERT_EQ(ordinary.status, FactorStatus::Found);
        EXPECT_NEAR(r.factor, ordinary.factor, 1e-12 * ordinary.factor) << c.x << ", " << c.y;
    }
}

// Doubling a material value doubles every term it enters without rounding,
// so the whole search takes the same path.
TEST(PublishedResults, FactorScalesWithCohesionWithoutFriction) {
    const GroundModel ground = acadsGround();
    const SearchResult base = searchCriticalCircle(ground, {20, 10, 0}, {}, {});
    const SearchResult doubled = searchCriticalCircle(ground, {20, 20, 0}, {}, {});
    const SearchResult quarter = searchCriticalCircle(ground, {20, 2.5, 0}, {}, {});
    ASSERT_EQ(base.status, SearchStatus::Found);
    EXPECT_EQ(doubled.critical.factorOfSafety, 2 * base.critical.factorOfSafety);
    EXPECT_EQ(quarter.critical.factorOfSafety, base.critical.factorOfSafety / 4);

    // Any other factor, on one circle, up to rounding.
    MassLimits limits;
    CircleEvaluator a(ground.surface, strengthOf({20, 10, 0}), 20, limits);
    CircleEvaluator b(ground.surface, strengthOf({20, 37, 0}), 20, limits);
    const Circle c{40, 50, 24};
    EXPECT_NEAR(b.factorOf(c), 3.7 * a.factorOf(c), 1e-12 * b.factorOf(c));
}

TEST(PublishedResults, FactorIndependentOfUnitWeightWithoutCohesion) {
    const GroundModel ground = acadsGround();
    const SearchResult light = searchCriticalCircle(ground, {13, 0, 30}, {}, {});
    const SearchResult heavy = searchCriticalCircle(ground, {26, 0, 30}, {}, {});
    ASSERT_EQ(light.status, SearchStatus::Found);
    EXPECT_EQ(light.critical.factorOfSafety, heavy.critical.factorOfSafety);

    MassLimits limits;
    CircleEvaluator a(ground.surface, strengthOf({18, 0, 30}), 18, limits);
    CircleEvaluator b(ground.surface, strengthOf({27.3, 0, 30}), 27.3, limits);
    const Circle c{40, 50, 24};
    EXPECT_NEAR(a.factorOf(c), b.factorOf(c), 1e-12 * a.factorOf(c));
}

} // namespace
} // namespace pitwright::stability
