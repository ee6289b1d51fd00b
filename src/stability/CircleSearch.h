#pragma once

#include "stability/BishopSimplified.h"
#include "stability/Ground.h"
#include "stability/Material.h"
#include "stability/SlipCircle.h"

#include <optional>
#include <vector>

namespace pitwright::stability {

// The search for the critical circle. Centres lie on a grid in the frame of
// the slope: along the line from its toe to its crest (0 at the toe, 1 at
// the crest, in lengths of that line) and away from it on the pit side (in
// the same lengths, spaced in equal proportions). Each centre takes the
// circles tangent to evenly spaced levels, from the firm base (or the given
// depth below the toe) up to the crest, one level on the toe itself, and
// the circle through the toe. Where the exit or the entry is held to a
// stretch of the surface, each centre also takes the circles through points
// along that stretch (tangentLevels of them), and the circle through the
// front end of the exit stretch instead of the toe. Where both are, the
// circles through a point of each join them: every pair of the stretches'
// vertices and ends (or evenly spaced points, when there are many
// vertices), each with tangentLevels angles of arc. Where one stretch is a
// single point and the other free, every circle passes through that point.
// The grid's local minima, the best refinedMinima of them, are then refined
// by a pattern search that halves its steps down to refinementStep of the
// grid's span.
struct SearchSettings {
    int centresAlong = 12;
    int centresAway = 12;
    double alongFrom = -0.5;
    double alongTo = 2.5;
    double awayFrom = 0.1;
    double awayTo = 3.0;
    int tangentLevels = 12;
    double depthBelowToe = 1.0; // deepest tangent level without firm base, in slope heights
    int refinedMinima = 8;
    double refinementStep = 2e-4;
    int slices = 50;
    // A slip mass thinner than this is no mechanism; 0 takes the larger of
    // 0.1 m and 0.5 % of the height of the ground.
    double minimumThickness = 0;
    BishopSettings bishop;
    int threads = 0; // 0: one per core, at most 8; the result does not depend on it
};

// Where the slip surface may leave the ground (exit, toward the pit) and
// enter it (at the back). A stretch of no length is one point that every
// circle of the search passes through.
struct SlipRanges {
    std::optional<GroundRange> exit;
    std::optional<GroundRange> entry;
};

enum class SearchStatus {
    Found,
    BadMaterial,
    BadGround,
    BadRange,    // a stretch not within the surface, reversed or not finite
    BadSettings, // a count, span or tolerance out of its range
    NoSlope,     // the surface within the stretches does not rise toward the back
    NoAdmissibleCircle,
};

// The circle with the least factor of safety; all finite.
struct CriticalCircle {
    double factorOfSafety = 0;
    Circle circle;
    Point exitPoint;
    Point entryPoint;
    double exitChainage = 0;
    double entryChainage = 0;
    std::vector<Slice> slices;
    int bishopIterations = 0;
};

struct SearchResult {
    SearchStatus status = SearchStatus::BadSettings;
    MaterialProblem materialProblem = MaterialProblem::None;
    GroundProblem groundProblem = GroundProblem::None;
    CriticalCircle critical; // zero unless found

    // The search: its grid, how many circles it tried and how many of them
    // gave a factor of safety, and whether the critical circle lies on a
    // border the settings drew (centre on the edge of the grid, or down at
    // depthBelowToe): a wider search might find a lower factor.
    int gridAlong = 0;
    int gridAway = 0;
    int radiiPerCentre = 0;
    int exitEntryCircles = 0;
    long circlesTried = 0;
    long admissibleCircles = 0;
    bool onGridBorder = false;
};

// Whether every count, span and tolerance lies within its range.
bool areUsableSearchSettings(const SearchSettings& settings);

// The thinnest slip mass the search counts as a mechanism on ground of the
// given height: settings.minimumThickness, or by default the larger of 0.1 m
// and 0.5 % of the height.
double minimumThicknessFor(const SearchSettings& settings, double groundHeight);

SearchResult searchCriticalCircle(const GroundModel& ground, const Material& material,
                                  const SlipRanges& ranges, const SearchSettings& settings);

} // namespace pitwright::stability
