#include "stability/Material.h"

#include <cmath>
#include <numbers>

namespace pitwright::stability {

MaterialProblem checkMaterial(const Material& m) {
    if (!std::isfinite(m.unitWeight)) {
        return MaterialProblem::UnitWeightNotFinite;
    }
    if (!(m.unitWeight > 0)) {
        return MaterialProblem::UnitWeightNotPositive;
    }
    if (!std::isfinite(m.cohesion)) {
        return MaterialProblem::CohesionNotFinite;
    }
    if (m.cohesion < 0) {
        return MaterialProblem::CohesionNegative;
    }
    if (!std::isfinite(m.frictionAngle)) {
        return MaterialProblem::FrictionNotFinite;
    }
    if (m.frictionAngle < 0) {
        return MaterialProblem::FrictionNegative;
    }
    if (m.frictionAngle >= 90) {
        return MaterialProblem::FrictionNinetyOrMore;
    }
    return MaterialProblem::None;
}

Strength strengthOf(const Material& m) {
    return {m.cohesion, std::tan(m.frictionAngle * std::numbers::pi / 180.0)};
}

bool isUsableTargetFactor(double target) {
    return std::isfinite(target) && target > 0;
}

} // namespace pitwright::stability
