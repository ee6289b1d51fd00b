#pragma once

namespace pitwright::stability {

// One vertical slice of a slip mass, per metre run of the wall. The base
// angle alpha is positive where the base falls toward the pit.
struct Slice {
    double xLeft = 0;
    double xRight = 0;
    double groundY = 0; // surface at the middle
    double baseY = 0;   // slip surface at the middle
    double weight = 0;  // kN/m
    double sinBase = 0;
    double cosBase = 1;

    double width() const { return xRight - xLeft; }
    double baseLength() const { return width() / cosBase; }
};

} // namespace pitwright::stability
