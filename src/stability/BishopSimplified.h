#pragma once

#include "stability/FactorOfSafety.h"
#include "stability/Material.h"
#include "stability/Slice.h"

#include <span>

namespace pitwright::stability {

struct BishopSettings {
    // m-alpha = cos(alpha) + sin(alpha) tan(phi) / F. Where it falls to this
    // or below, the slice's base force runs away (or turns negative) and the
    // circle is not admissible.
    double smallestMAlpha = 0.2;
    double tolerance = 1e-9; // relative change of F that ends the iteration
    int maxIterations = 200;
};

// Bishop's simplified method of slices for a dry slip mass: moment
// equilibrium about the centre with the vertical equilibrium of each slice,
// interslice shear neglected. Solved for F with every m-alpha above the
// smallest allowed; otherwise a reason, never a NaN.
FactorResult bishopFactorOfSafety(std::span<const Slice> slices, const Strength& strength,
                                  const BishopSettings& settings);

double mAlpha(const Slice& slice, double tanFriction, double factor);

// The ordinary method of slices (normal force W cos alpha on each base).
// Equals Bishop's simplified method when there is no friction.
FactorResult ordinaryFactorOfSafety(std::span<const Slice> slices, const Strength& strength);

} // namespace pitwright::stability
