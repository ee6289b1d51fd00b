#pragma once

#include "export3d/DesignedSlope.h"

#include <ostream>

namespace pitwright::testing {

// A design and the number of its ledges below the crest that have no width
// once widths below 0.01 m are clamped.
struct ShellCase {
    SlopeShape shape;
    int zeroWidthLedges;
};

inline std::ostream& operator<<(std::ostream& out, const ShellCase& c) {
    return out << c.shape.benches << " benches, " << c.shape.benchesPerStack << " to a stack, "
               << c.shape.stepOut << " m step outs, " << c.shape.berm << " m berms";
}

// Step outs and berms of every kind, clamped ledges and vertical faces.
inline const ShellCase kShellCases[] = {
    {{1, 1, 10, 5, 0, 0}, 0},
    {{3, 1, 10, 5, 2, 2}, 0},
    {{6, 3, 15, 8.660254037844387, 3.5, 12.25}, 0},
    {{6, 3, 12.5, 4.2, 0.009, 9}, 4}, // step outs clamped to nothing
    {{5, 2, 12.5, 4.2, 0, 9}, 2},
    {{4, 4, 7.3, 0, 5, 5}, 0},
    {{70, 7, 10, 2.679491924311227, 4.5, 16.1}, 0},
};

} // namespace pitwright::testing
