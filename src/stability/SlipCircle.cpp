#include "stability/SlipCircle.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pitwright::stability {
namespace {

// Positive outside the circle, negative inside.
double powerOf(const Point& p, const Circle& c) {
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    return dx * dx + dy * dy - c.radius * c.radius;
}

// Lengths below this count as nothing: far above the rounding of the
// coordinates, far below anything a surveyor could stake out.
double lengthTolerance(const Circle& c) {
    return 1e-9 * std::max({1.0, c.radius, std::abs(c.x), std::abs(c.y)});
}

double arcLevel(const Circle& c, double x) {
    const double u = x - c.x;
    return c.y - std::sqrt(std::max(0.0, c.radius * c.radius - u * u));
}

// Where, strictly between its ends, segment k passes through the circle: 0,
// 1 or 2 fractions in increasing order.
int segmentRoots(const Point& a, const Point& b, double powerA, double powerB, const Circle& c,
                 double tMargin, std::array<double, 2>& roots) {
    if (powerA < 0 && powerB < 0) {
        return 0; // the power is convex along the segment: inside all the way
    }
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double qa = dx * dx + dy * dy;
    const double qb = 2 * (dx * (a.x - c.x) + dy * (a.y - c.y));
    if (powerA > 0 && powerB > 0) {
        const double tLowest = -qb / (2 * qa);
        if (!(tLowest > 0 && tLowest < 1) || powerA + tLowest * (qb + qa * tLowest) >= 0) {
            return 0;
        }
    }
    const double disc = qb * qb - 4 * qa * powerA;
    if (!(disc > 0)) {
        return 0;
    }
    const double q = -0.5 * (qb + std::copysign(std::sqrt(disc), qb));
    std::array<double, 2> t{q / qa, q != 0 ? powerA / q : q / qa};
    std::sort(t.begin(), t.end());
    int count = 0;
    for (double r : t) {
        if (r > tMargin && r < 1 - tMargin) {
            roots[static_cast<std::size_t>(count++)] = r;
        }
    }
    return count;
}

GroundCrossing crossingAt(const Ground& ground, std::size_t segment, double t) {
    const Point& a = ground.points()[segment];
    const Point& b = ground.points()[segment + 1];
    GroundCrossing crossing;
    crossing.segment = segment;
    crossing.t = t;
    if (t <= 0) {
        crossing.point = a;
        crossing.chainage = ground.chainage(segment);
    } else if (t >= 1) {
        crossing.point = b;
        crossing.chainage = ground.chainage(segment + 1);
    } else {
        crossing.point = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        crossing.chainage = ground.chainage(segment) +
                            t * (ground.chainage(segment + 1) - ground.chainage(segment));
    }
    return crossing;
}

// Calls visit(left, right) for each stretch of the surface under the mass
// that is not vertical, in order from the exit.
template <class Visit>
void forEachSurfacePiece(const Ground& ground, const SlipMass& mass, Visit&& visit) {
    const auto& points = ground.points();
    for (std::size_t k = mass.exit.segment; k <= mass.entry.segment; ++k) {
        const Point& a = points[k];
        const Point& b = points[k + 1];
        const double t0 = k == mass.exit.segment ? mass.exit.t : 0.0;
        const double t1 = k == mass.entry.segment ? mass.entry.t : 1.0;
        const Point left{a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)};
        const Point right{a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)};
        if (right.x > left.x) {
            visit(left, right);
        }
    }
}

} // namespace

void findSlipMasses(const Ground& ground, const Circle& circle, std::vector<SlipMass>& masses) {
    masses.clear();
    const auto& points = ground.points();
    if (points.size() < 2 || !(circle.radius > 0)) {
        return;
    }
    const double tolerance = lengthTolerance(circle);
    const double powerTolerance = 2 * circle.radius * tolerance;

    bool open = false;
    bool openedCut = false;
    GroundCrossing opened;
    auto close = [&](const GroundCrossing& end, bool endCut) {
        SlipMass mass{opened, end, MassShape::Sound};
        if (openedCut || endCut) {
            mass.shape = MassShape::LeavesGround;
        } else if (opened.point.y > circle.y + tolerance || end.point.y > circle.y + tolerance) {
            mass.shape = MassShape::CurlsOver;
        }
        masses.push_back(mass);
        open = false;
    };

    double powerA = powerOf(points[0], circle);
    const std::size_t last = points.size() - 1;
    for (std::size_t k = 0; k < last; ++k) {
        const Point& a = points[k];
        const Point& b = points[k + 1];
        const double powerB = powerOf(b, circle);
        const double segmentLength = ground.chainage(k + 1) - ground.chainage(k);
        std::array<double, 4> breaks{0.0, 1.0, 1.0, 1.0};
        std::array<double, 2> roots{};
        const int rootCount =
            segmentRoots(a, b, powerA, powerB, circle, tolerance / segmentLength, roots);
        for (int i = 0; i < rootCount; ++i) {
            breaks[static_cast<std::size_t>(i + 1)] = roots[static_cast<std::size_t>(i)];
        }
        const auto pieces = static_cast<std::size_t>(rootCount + 1);
        for (std::size_t j = 0; j < pieces; ++j) {
            const double t0 = breaks[j];
            const double tMid = 0.5 * (t0 + breaks[j + 1]);
            const Point mid{a.x + tMid * (b.x - a.x), a.y + tMid * (b.y - a.y)};
            const bool inside = powerOf(mid, circle) < 0;
            // A piece starts on the circle at a root, or at a vertex lying on it.
            const bool startsOnCircle = j > 0 || std::abs(powerA) <= powerTolerance;
            if (inside && !open) {
                opened = crossingAt(ground, k, t0);
                openedCut = k == 0 && j == 0 && powerA < -powerTolerance;
                open = true;
            } else if (inside && startsOnCircle) {
                close(crossingAt(ground, k, t0), false);
                opened = crossingAt(ground, k, t0);
                openedCut = false;
                open = true;
            } else if (!inside && open) {
                close(crossingAt(ground, k, t0), false);
            }
        }
        powerA = powerB;
    }
    if (open) {
        close(crossingAt(ground, last - 1, 1.0), powerA < -powerTolerance);
    }
}

double massThickness(const Ground& ground, const Circle& circle, const SlipMass& mass) {
    double thickest = 0;
    auto depthAt = [&](double x, double surfaceY) {
        thickest = std::max(thickest, surfaceY - arcLevel(circle, x));
    };
    forEachSurfacePiece(ground, mass, [&](const Point& left, const Point& right) {
        depthAt(left.x, left.y);
        depthAt(right.x, right.y);
        // Along a straight piece the depth is greatest where the arc runs
        // parallel to it.
        const double slope = (right.y - left.y) / (right.x - left.x);
        const double x = circle.x + slope * circle.radius / std::sqrt(1 + slope * slope);
        if (x > left.x && x < right.x) {
            depthAt(x, left.y + (x - left.x) * slope);
        }
    });
    return thickest;
}

double lowestArcLevel(const Circle& circle, const SlipMass& mass) {
    if (mass.exit.point.x <= circle.x && circle.x <= mass.entry.point.x) {
        return circle.y - circle.radius;
    }
    return std::min(mass.exit.point.y, mass.entry.point.y);
}

void sliceMass(const Ground& ground, const Circle& circle, const SlipMass& mass, double unitWeight,
               int targetCount, std::vector<Slice>& slices) {
    slices.clear();
    const double span = mass.entry.point.x - mass.exit.point.x;
    if (!(span > 0)) {
        return;
    }
    const double r = circle.radius;
    forEachSurfacePiece(ground, mass, [&](const Point& left, const Point& right) {
        const double width = right.x - left.x;
        const long count = std::max(1L, std::lround(targetCount * width / span));
        const double slope = (right.y - left.y) / width;
        for (long i = 0; i < count; ++i) {
            Slice s;
            s.xLeft = left.x + width * static_cast<double>(i) / static_cast<double>(count);
            s.xRight = i + 1 == count ? right.x
                                      : left.x + width * static_cast<double>(i + 1) /
                                                     static_cast<double>(count);
            const double xMid = 0.5 * (s.xLeft + s.xRight);
            const double u = xMid - circle.x;
            const double below = std::sqrt(std::max(0.0, r * r - u * u));
            s.groundY = left.y + (xMid - left.x) * slope;
            s.baseY = circle.y - below;
            s.weight = unitWeight * s.width() * std::max(0.0, s.groundY - s.baseY);
            s.sinBase = u / r;
            s.cosBase = below / r;
            slices.push_back(s);
        }
    });
}

} // namespace pitwright::stability
