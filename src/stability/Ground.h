#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace pitwright::stability {

// A point of the section in metres: x grows away from the pit, y upwards.
struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

enum class GroundProblem {
    None,
    TooFewPoints,        // fewer than two distinct points
    NotFinite,           // a coordinate or the firm base is not a finite number
    TooLarge,            // a coordinate beyond kLargestCoordinate
    RunsBackwards,       // x decreases somewhere: an overhang
    FoldsBack,           // a vertical face turns back on itself
    Flat,                // no height: nothing can slide
    FirmBaseAboveGround, // the firm base lies above the lowest ground point
};

// Coordinates beyond this many metres are refused, so that no square of a
// distance overflows or loses the centimetres.
inline constexpr double kLargestCoordinate = 1e8;

// The ground surface of the section: a polyline from the pit side (smallest
// x) to the back, x never decreasing; a vertical piece is a face. Repeated
// points are dropped and consecutive vertical pieces joined. Beyond its two
// ends there is no ground: a slip mass must meet the surface within them.
class Ground {
public:
    Ground() = default;
    explicit Ground(const std::vector<Point>& points);

    GroundProblem problem() const { return problem_; }
    bool usable() const { return problem_ == GroundProblem::None; }

    const std::vector<Point>& points() const { return points_; }
    std::size_t segmentCount() const { return points_.empty() ? 0 : points_.size() - 1; }

    // Distance along the surface from the first point to vertex `vertex`.
    double chainage(std::size_t vertex) const { return chainage_[vertex]; }
    double length() const { return chainage_.empty() ? 0.0 : chainage_.back(); }
    // The point `chainage` metres along the surface, clamped to its ends.
    Point pointAt(double chainage) const;

    double lowest() const { return lowest_; }
    double highest() const { return highest_; }
    double height() const { return highest_ - lowest_; }

    // The part of the surface between two chainages (clamped, from <= to);
    // its chainages start again from 0.
    Ground clipped(double from, double to) const;

private:
    std::vector<Point> points_;
    std::vector<double> chainage_;
    double lowest_ = 0;
    double highest_ = 0;
    GroundProblem problem_ = GroundProblem::TooFewPoints;
};

// The ground surface with what lies below it: rock all the way down, or a
// firm base at a level no slip surface passes below.
struct GroundModel {
    Ground surface;
    std::optional<double> firmBase;
};

// The surface's problem, else the firm base's.
GroundProblem checkGroundModel(const GroundModel& model);

// A stretch of the surface given by its chainages, from <= to. A stretch of
// no length is a single point.
struct GroundRange {
    double from = 0;
    double to = 0;
};

} // namespace pitwright::stability
