#pragma once

#include "model/SlopeRelations.h"

#include <optional>

namespace pitwright {

// The catch berm against the modified Ritchie criterion: a berm between two
// stacks should be at least 0.2 x h + 4.5 m wide, h being the height between
// catch berms (benches per stack x bench height).
struct CatchBermDesign {
    double slopeHeight = 0;
    double benchHeight = 0;
    int benchesPerStack = 0;
    int numberOfStacks = 0;
    int numberOfBerms = 0;
    double stackAngle = 0; // degrees, as typed
    double stackHorizontalExtent = 0;
    double bermWidth = 0;
    InterRampConvention convention = InterRampConvention::CrestToToe;
};

enum class CatchBermNotApplicable : unsigned char {
    NoCatchBerm,               // one stack: there is no berm between stacks
    StackAngleComputesNothing, // the stack angle rounds to 0
};

struct CatchBermCheck {
    std::optional<CatchBermNotApplicable> notApplicable;
    double requiredWidth = 0; // 0.2 x h + 4.5 m
    double margin = 0;        // berm width less the required width
    bool meets = false;
    // The steepest inter-ramp angle, in the design's convention, that still
    // leaves the required berm with the same heights, stacks and stack
    // angle; nothing where no angle does.
    std::optional<double> steepestInterRampAngle;
};

inline constexpr double kRitchieHeightFactor = 0.2;
inline constexpr double kRitchieBaseWidth = 4.5; // metres

double ritchieBermWidth(double heightBetweenBerms);

CatchBermCheck checkCatchBerm(const CatchBermDesign& design);

} // namespace pitwright
