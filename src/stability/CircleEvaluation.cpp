#include "stability/CircleEvaluation.h"

#include <cmath>
#include <limits>

namespace pitwright::stability {
namespace {

bool within(double chainage, const std::optional<GroundRange>& range, double tolerance) {
    return !range || (chainage >= range->from - tolerance && chainage <= range->to + tolerance);
}

CircleStatus statusOf(FactorStatus status) {
    switch (status) {
    case FactorStatus::Found:
        return CircleStatus::Admissible;
    case FactorStatus::NoDrivingMoment:
        return CircleStatus::NoDrivingMoment;
    case FactorStatus::MAlphaTooSmall:
        return CircleStatus::MAlphaTooSmall;
    case FactorStatus::NotConverged:
        break;
    }
    return CircleStatus::NotConverged;
}

} // namespace

CircleEvaluator::CircleEvaluator(const Ground& surface, const Strength& strength, double unitWeight,
                                 const MassLimits& limits)
    : surface_(surface), strength_(strength), unitWeight_(unitWeight), limits_(limits) {}

CircleStatus CircleEvaluator::checkMass(const Circle& circle, const SlipMass& mass) {
    switch (mass.shape) {
    case MassShape::LeavesGround:
        return CircleStatus::LeavesGround;
    case MassShape::CurlsOver:
        return CircleStatus::CurlsOver;
    case MassShape::Sound:
        break;
    }
    const double tolerance = 1e-9 * std::max(1.0, surface_.length());
    if (!within(mass.exit.chainage, limits_.exitRange, tolerance)) {
        return CircleStatus::OutsideExitRange;
    }
    if (!within(mass.entry.chainage, limits_.entryRange, tolerance)) {
        return CircleStatus::OutsideEntryRange;
    }
    if (massThickness(surface_, circle, mass) < limits_.minimumThickness) {
        return CircleStatus::TooThin;
    }
    if (limits_.firmBase && lowestArcLevel(circle, mass) < *limits_.firmBase - tolerance) {
        return CircleStatus::BelowFirmBase;
    }
    return CircleStatus::Admissible;
}

double CircleEvaluator::factorOf(const Circle& circle) {
    double least = std::numeric_limits<double>::infinity();
    findSlipMasses(surface_, circle, masses_);
    for (const SlipMass& mass : masses_) {
        if (checkMass(circle, mass) != CircleStatus::Admissible) {
            continue;
        }
        sliceMass(surface_, circle, mass, unitWeight_, limits_.targetSlices, slices_);
        const FactorResult f = bishopFactorOfSafety(slices_, strength_, limits_.bishop);
        if (f.status == FactorStatus::Found && std::isfinite(f.factor) && f.factor < least) {
            least = f.factor;
        }
    }
    return least;
}

CircleResult CircleEvaluator::analyse(const Circle& circle) {
    CircleResult best;
    findSlipMasses(surface_, circle, masses_);
    for (const SlipMass& mass : masses_) {
        CircleStatus status = checkMass(circle, mass);
        FactorResult f;
        if (status == CircleStatus::Admissible) {
            sliceMass(surface_, circle, mass, unitWeight_, limits_.targetSlices, slices_);
            f = bishopFactorOfSafety(slices_, strength_, limits_.bishop);
            status = std::isfinite(f.factor) ? statusOf(f.status) : CircleStatus::NotConverged;
        }
        const bool better = status == CircleStatus::Admissible
                                ? best.status != CircleStatus::Admissible || f.factor < best.factor
                                : best.status != CircleStatus::Admissible && status > best.status;
        if (better) {
            best.status = status;
            best.mass = mass;
            best.iterations = f.iterations;
            best.factor = status == CircleStatus::Admissible ? f.factor : 0.0;
            best.slices = status == CircleStatus::Admissible ? slices_ : std::vector<Slice>{};
        }
    }
    return best;
}

} // namespace pitwright::stability
