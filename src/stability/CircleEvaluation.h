#pragma once

#include "stability/BishopSimplified.h"
#include "stability/Ground.h"
#include "stability/Material.h"
#include "stability/SlipCircle.h"

#include <optional>
#include <vector>

namespace pitwright::stability {

// Why a circle gives no factor of safety, in the order the checks run, or
// that it does. When a circle cuts off several bodies, its outcome is the
// least factor among them, or the reason of the one that came furthest.
enum class CircleStatus {
    MissesGround,      // the circle cuts nothing off
    LeavesGround,      // the arc is still under the surface at one of its ends
    CurlsOver,         // the arc meets the surface above the centre
    OutsideExitRange,  // exit outside the allowed stretch
    OutsideEntryRange, // entry outside the allowed stretch
    TooThin,           // thinner than the smallest mechanism
    BelowFirmBase,     // the slip surface passes below the firm base
    NoDrivingMoment,   // the mass does not turn toward the pit
    MAlphaTooSmall,    // some m-alpha at or below the smallest allowed
    NotConverged,
    Admissible,
};

// The limits a slip mass must keep, besides those of its shape.
struct MassLimits {
    std::optional<double> firmBase;
    std::optional<GroundRange> exitRange;
    std::optional<GroundRange> entryRange;
    double minimumThickness = 0.1;
    int targetSlices = 50;
    BishopSettings bishop;
};

struct CircleResult {
    CircleStatus status = CircleStatus::MissesGround;
    double factor = 0; // finite; 0 unless admissible
    SlipMass mass;     // the critical body (when admissible)
    std::vector<Slice> slices;
    int iterations = 0;
};

// Evaluates circles on its own copy of a surface, reusing its buffers
// between calls: one evaluator per thread.
class CircleEvaluator {
public:
    CircleEvaluator(const Ground& surface, const Strength& strength, double unitWeight,
                    const MassLimits& limits);

    // Bishop's factor of safety of the circle, or infinity when it has none.
    double factorOf(const Circle& circle);
    // The same with the critical body, its slices and the reason.
    CircleResult analyse(const Circle& circle);

private:
    CircleStatus checkMass(const Circle& circle, const SlipMass& mass);

    Ground surface_;
    Strength strength_;
    double unitWeight_;
    MassLimits limits_;
    std::vector<SlipMass> masses_;
    std::vector<Slice> slices_;
};

} // namespace pitwright::stability
