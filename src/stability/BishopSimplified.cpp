#include "stability/BishopSimplified.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pitwright::stability {
namespace {

// The sum of W sin(alpha) when it turns the mass toward the pit by more
// than rounding; nothing otherwise.
bool drivingMoment(std::span<const Slice> slices, double& driving) {
    driving = 0;
    double weight = 0;
    for (const Slice& s : slices) {
        driving += s.weight * s.sinBase;
        weight += s.weight;
    }
    return std::isfinite(driving) && driving > 1e-12 * weight;
}

// The range of F over which every m-alpha stays above `smallest`: slices
// whose base rises toward the pit need F large enough, steep bases falling
// toward the pit need F small enough. Empty when no F will do.
bool admissibleRange(std::span<const Slice> slices, double tanFriction, double smallest,
                     double& low, double& high) {
    low = 0;
    high = std::numeric_limits<double>::infinity();
    for (const Slice& s : slices) {
        if (s.cosBase > smallest) {
            if (s.sinBase < 0) {
                low = std::max(low, -s.sinBase * tanFriction / (s.cosBase - smallest));
            }
        } else if (s.sinBase > 0 && tanFriction > 0) {
            high = std::min(high, s.sinBase * tanFriction / (smallest - s.cosBase));
        } else {
            return false;
        }
    }
    return low < high;
}

} // namespace

double mAlpha(const Slice& s, double tanFriction, double factor) {
    return s.cosBase + s.sinBase * tanFriction / factor;
}

FactorResult bishopFactorOfSafety(std::span<const Slice> slices, const Strength& strength,
                                  const BishopSettings& settings) {
    FactorResult result;
    double driving = 0;
    if (!drivingMoment(slices, driving)) {
        return result;
    }
    const double c = strength.cohesion;
    const double tanPhi = strength.tanFriction;
    double low = 0;
    double high = 0;
    if (!admissibleRange(slices, tanPhi, settings.smallestMAlpha, low, high)) {
        result.status = FactorStatus::MAlphaTooSmall;
        return result;
    }
    auto next = [&](double f) {
        double resisting = 0;
        for (const Slice& s : slices) {
            resisting += (c * s.width() + s.weight * tanPhi) / mAlpha(s, tanPhi, f);
        }
        return resisting / driving;
    };
    if (tanPhi == 0) {
        // m-alpha does not depend on F: one pass gives it.
        const double f = next(1.0);
        result.iterations = 1;
        if (std::isfinite(f)) {
            result.factor = f;
            result.status = FactorStatus::Found;
        } else {
            result.status = FactorStatus::NotConverged;
        }
        return result;
    }

    // F solves F = G(F). Secant steps on F - G(F), from a first step of
    // the classic iteration F <- G(F), kept inside the bracket that the
    // points so far have narrowed (G(F) > F: the root lies above F).
    double below = low;
    double above = high;
    double f = 1.0;
    if (!(f > low && f < high)) {
        f = std::isfinite(high) ? 0.5 * (low + high) : 2 * low;
    }
    double previousF = 0;
    double previousH = 0;
    for (int i = 1; i <= settings.maxIterations; ++i) {
        const double g = next(f);
        result.iterations = i;
        if (!std::isfinite(g)) {
            break;
        }
        if (std::abs(g - f) <= settings.tolerance * g) {
            if (g > low && g < high) {
                result.factor = g;
                result.status = FactorStatus::Found;
                return result;
            }
            break;
        }
        const double h = f - g;
        (h < 0 ? below : above) = f;
        if (std::isfinite(above) && above - below <= 1e-14 * above) {
            // Squeezed against a limit of the admissible range: the
            // equilibrium needs an m-alpha at or below the smallest allowed.
            result.status = FactorStatus::MAlphaTooSmall;
            return result;
        }
        double step = i > 1 && h != previousH ? f - h * (f - previousF) / (h - previousH) : g;
        if (!(step > below && step < above)) {
            step = g > below && g < above ? g
                   : std::isfinite(above) ? 0.5 * (below + above)
                                          : 2 * below;
        }
        previousF = f;
        previousH = h;
        f = step;
    }
    result.status = FactorStatus::NotConverged;
    return result;
}

FactorResult ordinaryFactorOfSafety(std::span<const Slice> slices, const Strength& strength) {
    FactorResult result;
    double driving = 0;
    if (!drivingMoment(slices, driving)) {
        return result;
    }
    double resisting = 0;
    for (const Slice& s : slices) {
        if (!(s.cosBase > 0)) {
            result.status = FactorStatus::MAlphaTooSmall;
            return result;
        }
        resisting +=
            strength.cohesion * s.baseLength() + s.weight * s.cosBase * strength.tanFriction;
    }
    result.iterations = 1;
    if (!std::isfinite(resisting)) {
        result.status = FactorStatus::NotConverged;
        return result;
    }
    result.factor = resisting / driving;
    result.status = FactorStatus::Found;
    return result;
}

} // namespace pitwright::stability
