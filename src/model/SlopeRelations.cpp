#include "model/SlopeRelations.h"

#include "model/Angles.h"
#include "model/NumberText.h"

#include <cmath>

namespace pitwright {
namespace {

bool fitsCount16(long long value) {
    return value >= -32768 && value <= 32767;
}

double tanOfDegrees(double degrees) {
    return std::tan(degreesToRadians(degrees));
}

} // namespace

BenchCountResult benchCountFor(double slopeHeight, double benchHeight) {
    const double benches = slopeHeight / benchHeight;
    const bool whole = benches == roundHalfEven(benches);
    // Never rounded down: 10.4 benches become 11, just as 10.6 do.
    const auto count = toCount16(whole ? benches : std::ceil(benches));
    if (!count || !fitsCount16(static_cast<long long>(*count) - 1)) {
        return {CountRefusal::BenchCountBeyondRange, {}};
    }
    BenchCount result;
    result.benches = *count;
    result.stepOuts = static_cast<std::int16_t>(*count - 1);
    result.raised = !whole;
    if (result.raised) {
        result.raisedSlopeHeight = slopeHeightOfBenches(result.benches, benchHeight);
    }
    return {std::nullopt, result};
}

BenchesPerStackResult benchesPerStackFor(double typedValue) {
    const auto perStack = toCount16(typedValue);
    if (!perStack || *perStack == 0 || !fitsCount16(*perStack - 1LL)) {
        return {CountRefusal::PerStackNotCountable, 0, 0};
    }
    return {std::nullopt, *perStack, static_cast<std::int16_t>(*perStack - 1)};
}

StackCountsResult stackCountsFor(int benches, int benchesPerStack) {
    const long long n = benches;
    const long long perStack = benchesPerStack;
    const long long quotient = n / perStack; // truncated towards zero
    long long stacks = quotient;
    long long berms = quotient - 1;
    long long raisedBenches = n;
    const bool raised = quotient * perStack != n;
    if (raised) {
        stacks = quotient + 1;
        berms = quotient;
        raisedBenches = perStack * stacks;
    }
    const long long stepOuts = raisedBenches - 1;
    if (!fitsCount16(stacks) || !fitsCount16(berms) || !fitsCount16(raisedBenches) ||
        !fitsCount16(stepOuts)) {
        return {CountRefusal::StackCountsBeyondRange, {}};
    }
    StackCounts counts;
    counts.stacks = static_cast<std::int16_t>(stacks);
    counts.berms = static_cast<std::int16_t>(berms);
    counts.raised = raised;
    counts.benches = static_cast<std::int16_t>(raisedBenches);
    counts.stepOuts = static_cast<std::int16_t>(stepOuts);
    return {std::nullopt, counts};
}

std::optional<double> slopeHeightOfBenches(int benches, double benchHeight) {
    const double height = benches * benchHeight;
    if (!std::isfinite(height)) {
        return std::nullopt;
    }
    return height;
}

double slopeHorizontalExtentFor(double slopeHeight, double interRampAngle) {
    return slopeHeight / tanOfDegrees(interRampAngle);
}

bool stackAngleComputes(double stackAngle) {
    return roundHalfEven(stackAngle) != 0;
}

double stackHorizontalExtentFor(int benchesPerStack, double benchHeight, double stackAngle) {
    return benchesPerStack * benchHeight / tanOfDegrees(stackAngle);
}

int bermsInSlopeRun(int numberOfBerms, InterRampConvention convention) {
    return numberOfBerms + (convention == InterRampConvention::CrestToToe ? 0 : 1);
}

double bermWidthFor(double slopeHorizontalExtent, int numberOfStacks, double stackHorizontalExtent,
                    int numberOfBerms, InterRampConvention convention) {
    return (slopeHorizontalExtent - numberOfStacks * stackHorizontalExtent) /
           bermsInSlopeRun(numberOfBerms, convention);
}

std::optional<double> otherInterRampAngleFor(double slopeHeight, double slopeHorizontalExtent,
                                             double bermWidth, InterRampConvention selected) {
    const double run = selected == InterRampConvention::CrestToToe
                           ? slopeHorizontalExtent + bermWidth
                           : slopeHorizontalExtent - bermWidth;
    const double angle = radiansToDegrees(std::atan(slopeHeight / run));
    if (run == 0 || !std::isfinite(angle)) {
        return std::nullopt;
    }
    return angle;
}

double benchHorizontalExtentFor(double benchHeight, double benchAngle) {
    const double extent = benchHeight / tanOfDegrees(benchAngle);
    return extent < kSmallestWidth ? 0 : extent;
}

double stepOutWidthFor(double stackHorizontalExtent, int benchesPerStack,
                       double benchHorizontalExtent, int stepOutsPerStack) {
    return (stackHorizontalExtent - benchesPerStack * benchHorizontalExtent) / stepOutsPerStack;
}

bool stackAngleTooSmall(double crestToToeAngle, double toeToToeAngle, double stackAngle) {
    return crestToToeAngle > stackAngle || toeToToeAngle > stackAngle;
}

InterRampConvention largerInterRampAngle(double crestToToeAngle, double toeToToeAngle) {
    return toeToToeAngle >= crestToToeAngle ? InterRampConvention::ToeToToe
                                            : InterRampConvention::CrestToToe;
}

bool benchAngleTooSmall(double stackAngle, double benchAngle) {
    return stackAngle > benchAngle;
}

} // namespace pitwright
