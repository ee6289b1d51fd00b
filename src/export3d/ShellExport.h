#pragma once

#include <optional>
#include <string>

namespace pitwright {

// Why a shell file could not be written; the window words the message.
enum class ShellFileRefusal {
    // A coordinate, or the volume they enclose, lies beyond the range of a
    // double: a section with some absurd dimension.
    DimensionTooLarge,
    // The lid lies on the ground behind the crest (a slope of 4 m or less
    // has no top margin), so the shell is no solid there.
    LidOnTheGround,
    // The panels do not close into one consistently oriented solid, or the
    // section they sweep folds back on itself (runs below the toe or back
    // towards the pit), which would cut the panels through one another.
    NotClosed,
    // Rounded to the 32-bit floats of an STL file, distinct corners become
    // one or a facet loses its area or turns over: a ledge too narrow for
    // how far it lies from the toe, or a coordinate beyond the float range.
    CollapsesInSinglePrecision,
};

// The file formats the shell is exported in besides the Map3D ASC text.
enum class ShellFormat { Dxf, Obj, Stl };

// The bytes of one exported shell file, or why there are none.
struct ShellFile {
    std::string bytes;
    std::optional<ShellFileRefusal> refusal;

    bool written() const { return !refusal; }
};

} // namespace pitwright
