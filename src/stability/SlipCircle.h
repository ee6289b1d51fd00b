#pragma once

#include "stability/Ground.h"
#include "stability/Slice.h"

#include <cstddef>
#include <vector>

namespace pitwright::stability {

struct Circle {
    double x = 0; // centre
    double y = 0;
    double radius = 0;
};

// Where the circle meets the surface: the point, its chainage, and the
// segment and fraction along it.
struct GroundCrossing {
    Point point;
    double chainage = 0;
    std::size_t segment = 0;
    double t = 0;
};

enum class MassShape {
    Sound,        // a body between the surface and the lower arc
    LeavesGround, // the arc is still under the surface at one of its ends
    CurlsOver,    // the arc meets the surface above the centre
};

// A body of ground the circle cuts off: the surface between the two
// crossings lies inside the circle. Exit is toward the pit, entry at the back.
struct SlipMass {
    GroundCrossing exit;
    GroundCrossing entry;
    MassShape shape = MassShape::Sound;
};

// Every body the circle cuts off, from the pit side backwards. Bodies that
// only touch at a point are separate: each can turn about the centre alone.
// A crossing within a nanometre-scale tolerance of a vertex is that vertex.
void findSlipMasses(const Ground& ground, const Circle& circle, std::vector<SlipMass>& masses);

// The largest vertical distance from the surface down to the arc.
double massThickness(const Ground& ground, const Circle& circle, const SlipMass& mass);

// The lowest point of the arc under the mass.
double lowestArcLevel(const Circle& circle, const SlipMass& mass);

// Vertical slices of a sound mass: split at every vertex of the surface,
// then evenly, about `targetCount` in all.
void sliceMass(const Ground& ground, const Circle& circle, const SlipMass& mass, double unitWeight,
               int targetCount, std::vector<Slice>& slices);

} // namespace pitwright::stability
