#include "stability/Material.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pitwright::stability {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Material, NamesTheFirstProblem) {
    using enum MaterialProblem;
    const struct {
        Material material;
        MaterialProblem problem;
    } cases[] = {
        {{26, 50, 35}, None},
        {{26, 0, 0}, None}, // no strength at all is still a material: F = 0
        {{0, 50, 35}, UnitWeightNotPositive},
        {{-26, 50, 35}, UnitWeightNotPositive},
        {{kNaN, 50, 35}, UnitWeightNotFinite},
        {{26, -0.001, 35}, CohesionNegative},
        {{26, kNaN, 35}, CohesionNotFinite},
        {{26, 50, -1}, FrictionNegative},
        {{26, 50, 90}, FrictionNinetyOrMore},
        {{26, 50, -kInf}, FrictionNotFinite},
        {{-1, -1, 90}, UnitWeightNotPositive},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkMaterial(c.material), c.problem)
            << c.material.unitWeight << " " << c.material.cohesion << " "
            << c.material.frictionAngle;
    }
}

TEST(Material, TargetFactorMustBeAFiniteNumberAboveZero) {
    EXPECT_EQ(kDefaultTargetFactorOfSafety, 1.3);
    EXPECT_TRUE(isUsableTargetFactor(1.3));
    EXPECT_FALSE(isUsableTargetFactor(0));
    EXPECT_FALSE(isUsableTargetFactor(-1.3));
    EXPECT_FALSE(isUsableTargetFactor(kNaN));
    EXPECT_FALSE(isUsableTargetFactor(kInf));
}

} // namespace
} // namespace pitwright::stability
