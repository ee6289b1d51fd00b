#pragma once

namespace pitwright::stability {

// A dry Mohr-Coulomb rock mass.
struct Material {
    double unitWeight = 0;    // kN/m3
    double cohesion = 0;      // kPa
    double frictionAngle = 0; // degrees
};

enum class MaterialProblem {
    None,
    UnitWeightNotFinite,
    UnitWeightNotPositive,
    CohesionNotFinite,
    CohesionNegative,
    FrictionNotFinite,
    FrictionNegative,
    FrictionNinetyOrMore,
};

// The first problem, in the order unit weight, cohesion, friction.
MaterialProblem checkMaterial(const Material& material);

// What the slip surface's base resists with: cohesion and tan(friction).
struct Strength {
    double cohesion = 0;
    double tanFriction = 0;
};

// For a material that passes checkMaterial.
Strength strengthOf(const Material& material);

// The factor of safety a design is usually asked to reach.
inline constexpr double kDefaultTargetFactorOfSafety = 1.3;

// A target factor of safety must be a finite number above 0.
bool isUsableTargetFactor(double target);

} // namespace pitwright::stability
