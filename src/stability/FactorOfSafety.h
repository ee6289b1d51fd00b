#pragma once

namespace pitwright::stability {

enum class FactorStatus {
    Found,
    NoDrivingMoment, // the mass does not turn toward the pit
    MAlphaTooSmall,  // a slice's m-alpha is at or below the smallest allowed
    NotConverged,
};

struct FactorResult {
    double factor = 0; // finite; 0 unless found
    FactorStatus status = FactorStatus::NoDrivingMoment;
    int iterations = 0;
};

} // namespace pitwright::stability
