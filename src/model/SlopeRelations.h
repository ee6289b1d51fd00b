#pragma once

#include <cstdint>
#include <optional>

// The relations that keep a design's heights, counts, angles, extents and
// widths consistent: plain values in, plain values out. The window's
// reactions read their fields, call these, write the results and switch
// their controls; the command line and the checks call them too.
//
// Angles are in degrees from the horizontal, lengths in metres. A relation
// whose result no field could show (a zero tangent or divisor) gives a
// non-finite value or nothing; the caller then leaves its member as it was.
namespace pitwright {

// Widths below this many metres count as no width at all.
inline constexpr double kSmallestWidth = 0.01;

// The inter-ramp angle is measured crest-to-toe (from the slope toe to the
// slope crest) or toe-to-toe (from ramp bottom toe to upper toe).
enum class InterRampConvention : std::uint8_t { CrestToToe, ToeToToe };

// Why a count was left as it was.
enum class CountRefusal : std::uint8_t {
    BenchCountBeyondRange,  // slope height / bench height beyond -32768..32767 benches
    PerStackNotCountable,   // benches per stack that rounds to 0 or leaves 16 bits
    StackCountsBeyondRange, // whole stacks take a count beyond -32768..32767
};

// --- Heights and counts ------------------------------------------------------

// The bench count of a slope: slope height / bench height, raised to the
// next whole number unless it is whole already (10.4 benches become 11, as
// 10.6 do), and the slope raised to that many benches. Both heights must be
// non-zero.
struct BenchCount {
    std::int16_t benches = 0;
    std::int16_t stepOuts = 0;
    // The slope was raised to whole benches; `raisedSlopeHeight` is then
    // benches x bench height, when that is finite.
    bool raised = false;
    std::optional<double> raisedSlopeHeight;
};
struct BenchCountResult {
    std::optional<CountRefusal> refusal;
    BenchCount count;
};
BenchCountResult benchCountFor(double slopeHeight, double benchHeight);

// Benches per stack as typed, rounded half to even to a count of its own.
struct BenchesPerStackResult {
    std::optional<CountRefusal> refusal;
    std::int16_t benchesPerStack = 0;
    std::int16_t stepOutsPerStack = 0;
};
BenchesPerStackResult benchesPerStackFor(double typedValue);

// Stacks and berms for a bench count; where the benches do not divide
// evenly, one stack more and the benches raised to whole stacks.
struct StackCounts {
    std::int16_t stacks = 0;
    std::int16_t berms = 0;
    bool raised = false; // the benches were raised to whole stacks
    std::int16_t benches = 0;
    std::int16_t stepOuts = 0;
};
struct StackCountsResult {
    std::optional<CountRefusal> refusal;
    StackCounts counts;
};
StackCountsResult stackCountsFor(int benches, int benchesPerStack);

// The slope height of whole benches, when that is finite.
std::optional<double> slopeHeightOfBenches(int benches, double benchHeight);

// --- Angles, extents and widths ----------------------------------------------

// Horizontal extent of the whole slope under the selected convention.
double slopeHorizontalExtentFor(double slopeHeight, double interRampAngle);

// Whether a stack angle computes extents: it must not round to 0.
bool stackAngleComputes(double stackAngle);

// Horizontal extent of one stack face.
double stackHorizontalExtentFor(int benchesPerStack, double benchHeight, double stackAngle);

// The catchment berms the slope's horizontal extent covers: one more
// toe-to-toe, where the run ends a berm beyond the crest.
int bermsInSlopeRun(int numberOfBerms, InterRampConvention convention);

// Width of each catchment berm: what the stack faces leave of the slope's
// extent, shared among the berms it covers (bermsInSlopeRun).
double bermWidthFor(double slopeHorizontalExtent, int numberOfStacks, double stackHorizontalExtent,
                    int numberOfBerms, InterRampConvention convention);

// The inter-ramp angle of the other convention; nothing where the slope's
// run under that convention is 0 or the angle is not finite.
std::optional<double> otherInterRampAngleFor(double slopeHeight, double slopeHorizontalExtent,
                                             double bermWidth, InterRampConvention selected);

// Horizontal extent of one bench face; below 0.01 m (a face of 90 degrees,
// or steeper) it is 0.
double benchHorizontalExtentFor(double benchHeight, double benchAngle);

// Width of each step out: what the bench faces leave of the stack's extent.
double stepOutWidthFor(double stackHorizontalExtent, int benchesPerStack,
                       double benchHorizontalExtent, int stepOutsPerStack);

// --- The two angle checks ----------------------------------------------------

// The stack angle must not be smaller than either inter-ramp angle.
bool stackAngleTooSmall(double crestToToeAngle, double toeToToeAngle, double stackAngle);

// Which inter-ramp angle the stack angle takes when it is too small: the
// toe-to-toe one where it is at least the crest-to-toe one.
InterRampConvention largerInterRampAngle(double crestToToeAngle, double toeToToeAngle);

// The bench angle must not be smaller than the stack angle.
bool benchAngleTooSmall(double stackAngle, double benchAngle);

} // namespace pitwright
