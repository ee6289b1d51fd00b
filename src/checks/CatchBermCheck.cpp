#include "checks/CatchBermCheck.h"

#include "model/Angles.h"

#include <cmath>

namespace pitwright {

double ritchieBermWidth(double heightBetweenBerms) {
    return kRitchieHeightFactor * heightBetweenBerms + kRitchieBaseWidth;
}

CatchBermCheck checkCatchBerm(const CatchBermDesign& design) {
    CatchBermCheck check;
    if (design.numberOfBerms == 0) {
        check.notApplicable = CatchBermNotApplicable::NoCatchBerm;
        return check;
    }
    if (!stackAngleComputes(design.stackAngle)) {
        check.notApplicable = CatchBermNotApplicable::StackAngleComputesNothing;
        return check;
    }
    check.requiredWidth = ritchieBermWidth(design.benchesPerStack * design.benchHeight);
    check.margin = design.bermWidth - check.requiredWidth;
    check.meets = check.margin >= 0;

    // The berm relation solved for the angle: the slope's run must hold the
    // stack faces and the berms it covers (one more toe-to-toe) at the
    // required width.
    const int berms = bermsInSlopeRun(design.numberOfBerms, design.convention);
    const double run =
        design.numberOfStacks * design.stackHorizontalExtent + berms * check.requiredWidth;
    const double angle = radiansToDegrees(std::atan(design.slopeHeight / run));
    if (run > 0 && std::isfinite(angle)) {
        check.steepestInterRampAngle = angle;
    }
    return check;
}

} // namespace pitwright
