#include "stability/CircleSearch.h"

#include "stability/CircleEvaluation.h"
#include "stability/ParallelWork.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <tuple>

namespace pitwright::stability {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kLargestGridSide = 200;
constexpr int kMostSlices = 5000;
constexpr long kMostStepsPerRefinement = 5000;
constexpr std::size_t kMostStretchSamples = 16;

// How the circles of the search are formed from up to three coordinates,
// each running over [0, 1].
enum class Family {
    Tangent,          // centre (along, away), tangent level
    ThroughPoint,     // centre (along, away), through the toe or a fixed point
    ThroughExit,      // centre (along, away), through a point of the exit stretch
    ThroughEntry,     // centre (along, away), through a point of the entry stretch
    BetweenStretches, // through a point of each stretch (exit, entry), by the arc's angle
};

int dimensionsOf(Family family) {
    switch (family) {
    case Family::ThroughPoint:
        return 2;
    case Family::Tangent:
    case Family::ThroughExit:
    case Family::ThroughEntry:
    case Family::BetweenStretches:
        break;
    }
    return 3;
}

using Coordinates = std::array<double, 3>;

struct Probe {
    Family family = Family::Tangent;
    Coordinates z{};
    std::array<int, 3> index{}; // grid position, for finding the grid's local minima
    double factor = kInfinity;
};

// The frame of the search: the slope's toe and crest within the allowed
// stretches, the grid's spans, and the points and stretches circles pass
// through.
class CircleFrame {
public:
    CircleFrame(const Ground& surface, const Point& toe, const Point& crest, double lowestLevel,
                double highestLevel, const SearchSettings& s)
        : surface_(surface), toe_(toe), settings_(s), lowestLevel_(lowestLevel),
          highestLevel_(highestLevel) {
        const double dx = crest.x - toe.x;
        const double dy = crest.y - toe.y;
        length_ = std::hypot(dx, dy);
        along_ = {dx / length_, dy / length_};
        away_ = {-along_.y, along_.x};
        logAwayFrom_ = std::log(s.awayFrom);
        logAwaySpan_ = std::log(s.awayTo) - logAwayFrom_;
    }

    void setPoint(const Point& p) { point_ = p; }
    void setStretches(const GroundRange& exit, const GroundRange& entry) {
        exit_ = exit;
        entry_ = entry;
    }

    // The grid coordinate of a tangent level.
    double levelCoordinate(double level) const {
        return (level - lowestLevel_) / (highestLevel_ - lowestLevel_);
    }

    Circle circle(Family family, const Coordinates& z) const {
        if (family == Family::BetweenStretches) {
            return betweenStretches(z);
        }
        const double a =
            (settings_.alongFrom + z[0] * (settings_.alongTo - settings_.alongFrom)) * length_;
        const double w = std::exp(logAwayFrom_ + z[1] * logAwaySpan_) * length_;
        const Point centre{toe_.x + a * along_.x + w * away_.x,
                           toe_.y + a * along_.y + w * away_.y};
        switch (family) {
        case Family::ThroughPoint:
            return through(centre, point_);
        case Family::ThroughExit:
            return through(centre, surface_.pointAt(exit_.from + z[2] * (exit_.to - exit_.from)));
        case Family::ThroughEntry:
            return through(centre,
                           surface_.pointAt(entry_.from + z[2] * (entry_.to - entry_.from)));
        case Family::Tangent:
        case Family::BetweenStretches:
            break;
        }
        const double level = lowestLevel_ + z[2] * (highestLevel_ - lowestLevel_);
        return {centre.x, centre.y, centre.y - level};
    }

private:
    // Half the angle the arc subtends between its exit and entry, from a
    // nearly flat arc to a little more than a half circle.
    static constexpr double kHalfAngleFrom = 0.05;
    static constexpr double kHalfAngleTo = 1.65;

    static Circle through(const Point& centre, const Point& p) {
        return {centre.x, centre.y, std::hypot(centre.x - p.x, centre.y - p.y)};
    }

    Circle betweenStretches(const Coordinates& z) const {
        const double exitAt = exit_.from + z[0] * (exit_.to - exit_.from);
        const double entryAt = entry_.from + z[1] * (entry_.to - entry_.from);
        if (!(exitAt < entryAt)) {
            return {};
        }
        const Point front = surface_.pointAt(exitAt);
        const Point back = surface_.pointAt(entryAt);
        const double dx = back.x - front.x;
        const double dy = back.y - front.y;
        const double halfAngle = kHalfAngleFrom + z[2] * (kHalfAngleTo - kHalfAngleFrom);
        const double offset = 0.5 / std::tan(halfAngle); // in chord lengths, toward the pit
        const Point centre{0.5 * (front.x + back.x) - dy * offset,
                           0.5 * (front.y + back.y) + dx * offset};
        return through(centre, front);
    }

    const Ground& surface_;
    Point toe_;
    SearchSettings settings_;
    double lowestLevel_;
    double highestLevel_;
    double length_ = 0;
    Point along_;
    Point away_;
    double logAwayFrom_ = 0;
    double logAwaySpan_ = 0;
    Point point_;
    GroundRange exit_;
    GroundRange entry_;
};

// The factor of a circle of the search; infinity for no circle at all.
double factorAt(CircleEvaluator& evaluator, const CircleFrame& frame, Family family,
                const Coordinates& z) {
    const Circle c = frame.circle(family, z);
    if (!(c.radius > 0) || !std::isfinite(c.radius)) {
        return kInfinity;
    }
    return evaluator.factorOf(c);
}

struct Refinement {
    Probe best;
    long tried = 0;
    long admissible = 0;
};

// The directions a refinement polls: along each coordinate and along each
// diagonal of two, both ways, so that it can slide along a border of the
// admissible circles that runs across the coordinates.
std::vector<Coordinates> pollDirections(int dims) {
    std::vector<Coordinates> directions;
    for (int i = 0; i < dims; ++i) {
        for (double sign : {1.0, -1.0}) {
            Coordinates d{};
            d[static_cast<std::size_t>(i)] = sign;
            directions.push_back(d);
        }
        for (int j = i + 1; j < dims; ++j) {
            for (double si : {1.0, -1.0}) {
                for (double sj : {1.0, -1.0}) {
                    Coordinates d{};
                    d[static_cast<std::size_t>(i)] = si;
                    d[static_cast<std::size_t>(j)] = sj;
                    directions.push_back(d);
                }
            }
        }
    }
    return directions;
}

// Pattern search: polls a step in every direction, moves to the best
// improvement, halves the steps when there is none. Coordinates stay within
// [0, 1], so that a minimum on a border is reached exactly.
Refinement refine(const Probe& start, const Coordinates& firstSteps, double smallestStep,
                  CircleEvaluator& evaluator, const CircleFrame& frame) {
    Refinement r{start, 0, 0};
    const int dims = dimensionsOf(start.family);
    const std::vector<Coordinates> directions = pollDirections(dims);
    Coordinates steps = firstSteps;
    auto largest = [&] { return *std::max_element(steps.begin(), steps.begin() + dims); };
    while (largest() > smallestStep && r.tried < kMostStepsPerRefinement) {
        Probe move = r.best;
        for (const Coordinates& d : directions) {
            Probe probe = r.best;
            for (std::size_t i = 0; i < 3; ++i) {
                probe.z[i] = std::clamp(r.best.z[i] + d[i] * steps[i], 0.0, 1.0);
            }
            if (probe.z == r.best.z) {
                continue;
            }
            probe.factor = factorAt(evaluator, frame, probe.family, probe.z);
            ++r.tried;
            if (std::isfinite(probe.factor)) {
                ++r.admissible;
            }
            if (probe.factor < move.factor) {
                move = probe;
            }
        }
        if (move.factor < r.best.factor) {
            r.best = move;
        } else {
            for (double& step : steps) {
                step *= 0.5;
            }
        }
    }
    return r;
}

// Up to `count` of the grid's local minima, the best first: points no
// neighbour of the same family betters. A benched surface has many.
std::vector<Probe> refinementStarts(const std::vector<Probe>& grid, int count) {
    auto key = [](const Probe& p) {
        return std::tuple(static_cast<int>(p.family), p.index[0], p.index[1], p.index[2]);
    };
    std::map<std::tuple<int, int, int, int>, double> factors;
    for (const Probe& p : grid) {
        factors[key(p)] = p.factor;
    }
    std::vector<Probe> minima;
    for (const Probe& p : grid) {
        if (!std::isfinite(p.factor)) {
            continue;
        }
        bool least = true;
        for (int di = -1; di <= 1 && least; ++di) {
            for (int dj = -1; dj <= 1 && least; ++dj) {
                for (int dk = -1; dk <= 1 && least; ++dk) {
                    auto [f, i, j, k] = key(p);
                    const auto n = factors.find({f, i + di, j + dj, k + dk});
                    least = n == factors.end() || !(n->second < p.factor);
                }
            }
        }
        if (least) {
            minima.push_back(p);
        }
    }
    std::stable_sort(minima.begin(), minima.end(),
                     [](const Probe& a, const Probe& b) { return a.factor < b.factor; });
    if (static_cast<int>(minima.size()) > count) {
        minima.resize(static_cast<std::size_t>(count));
    }
    return minima;
}

// Where along a stretch the circles between stretches meet it, as fractions
// of its length: its ends and the vertices within it, or evenly spaced
// points when there are many vertices.
std::vector<double> stretchSamples(const Ground& surface, const GroundRange& stretch) {
    const double span = stretch.to - stretch.from;
    if (!(span > 0)) {
        return {0.0};
    }
    std::vector<double> samples{0.0};
    for (std::size_t k = 0; k < surface.points().size(); ++k) {
        const double at = (surface.chainage(k) - stretch.from) / span;
        if (at > 0 && at < 1) {
            samples.push_back(at);
        }
    }
    samples.push_back(1.0);
    if (samples.size() > kMostStretchSamples) {
        samples.resize(kMostStretchSamples);
        for (std::size_t i = 0; i < kMostStretchSamples; ++i) {
            samples[i] = static_cast<double>(i) / (kMostStretchSamples - 1);
        }
    }
    return samples;
}

bool usableRange(const GroundRange& r, double length) {
    const double tolerance = 1e-9 * std::max(1.0, length);
    return std::isfinite(r.from) && std::isfinite(r.to) && r.from <= r.to && r.from >= -tolerance &&
           r.to <= length + tolerance;
}

// The toe and the crest of the surface: the first highest vertex, and the
// last lowest vertex before it. False when the surface does not rise.
bool findToeAndCrest(const Ground& ground, Point& toe, Point& crest) {
    const auto& p = ground.points();
    std::size_t crestAt = 0;
    for (std::size_t k = 1; k < p.size(); ++k) {
        if (p[k].y > p[crestAt].y) {
            crestAt = k;
        }
    }
    std::size_t toeAt = 0;
    for (std::size_t k = 1; k <= crestAt; ++k) {
        if (p[k].y <= p[toeAt].y) {
            toeAt = k;
        }
    }
    toe = p[toeAt];
    crest = p[crestAt];
    return crest.y > toe.y;
}

} // namespace

bool areUsableSearchSettings(const SearchSettings& s) {
    auto side = [](int n) { return n >= 1 && n <= kLargestGridSide; };
    auto finite = [](double v) { return std::isfinite(v); };
    return side(s.centresAlong) && side(s.centresAway) && side(s.tangentLevels) &&
           finite(s.alongFrom) && finite(s.alongTo) && s.alongFrom < s.alongTo &&
           finite(s.awayFrom) && finite(s.awayTo) && s.awayFrom > 0 && s.awayFrom < s.awayTo &&
           finite(s.depthBelowToe) && s.depthBelowToe >= 0 && s.refinedMinima >= 0 &&
           s.refinedMinima <= 100 && finite(s.refinementStep) && s.refinementStep > 0 &&
           s.refinementStep < 1 && s.slices >= 1 && s.slices <= kMostSlices &&
           finite(s.minimumThickness) && s.minimumThickness >= 0 &&
           finite(s.bishop.smallestMAlpha) && s.bishop.smallestMAlpha > 0 &&
           s.bishop.smallestMAlpha < 1 && finite(s.bishop.tolerance) && s.bishop.tolerance > 0 &&
           s.bishop.tolerance < 0.1 && s.bishop.maxIterations >= 1 &&
           s.bishop.maxIterations <= 10000 && s.threads >= 0 && s.threads <= 64;
}

double minimumThicknessFor(const SearchSettings& settings, double groundHeight) {
    return settings.minimumThickness > 0 ? settings.minimumThickness
                                         : std::max(0.1, 0.005 * groundHeight);
}

SearchResult searchCriticalCircle(const GroundModel& ground, const Material& material,
                                  const SlipRanges& ranges, const SearchSettings& settings) {
    SearchResult result;
    if (!areUsableSearchSettings(settings)) {
        result.status = SearchStatus::BadSettings;
        return result;
    }
    result.materialProblem = checkMaterial(material);
    if (result.materialProblem != MaterialProblem::None) {
        result.status = SearchStatus::BadMaterial;
        return result;
    }
    result.groundProblem = checkGroundModel(ground);
    if (result.groundProblem != GroundProblem::None) {
        result.status = SearchStatus::BadGround;
        return result;
    }

    // Only the surface between the allowed stretches matters: a body that
    // reaches beyond them exits or enters outside them.
    const Ground& whole = ground.surface;
    const GroundRange exitRange = ranges.exit.value_or(GroundRange{0, whole.length()});
    const GroundRange entryRange = ranges.entry.value_or(GroundRange{0, whole.length()});
    if (!usableRange(exitRange, whole.length()) || !usableRange(entryRange, whole.length())) {
        result.status = SearchStatus::BadRange;
        return result;
    }
    const double offset = std::min(exitRange.from, entryRange.from);
    const Ground surface = whole.clipped(offset, std::max(exitRange.to, entryRange.to));
    Point toe;
    Point crest;
    if (!surface.usable() || !findToeAndCrest(surface, toe, crest)) {
        result.status = SearchStatus::NoSlope;
        return result;
    }

    MassLimits limits;
    limits.firmBase = ground.firmBase;
    if (ranges.exit) {
        limits.exitRange = GroundRange{exitRange.from - offset, exitRange.to - offset};
    }
    if (ranges.entry) {
        limits.entryRange = GroundRange{entryRange.from - offset, entryRange.to - offset};
    }
    limits.minimumThickness = minimumThicknessFor(settings, whole.height());
    limits.targetSlices = settings.slices;
    limits.bishop = settings.bishop;

    const double slopeHeight = crest.y - toe.y;
    const double lowestLevel =
        ground.firmBase.value_or(toe.y - settings.depthBelowToe * slopeHeight);
    const double highestLevel = std::max(crest.y - limits.minimumThickness, lowestLevel + 1e-6);
    CircleFrame frame(surface, toe, crest, lowestLevel, highestLevel, settings);
    const GroundRange wholeSurface{0, surface.length()};
    frame.setStretches(limits.exitRange.value_or(wholeSurface),
                       limits.entryRange.value_or(wholeSurface));

    // The circles. Through a stretch that is a single point, every one.
    // Otherwise those tangent to the levels and those through the toe, or
    // through the front end of the exit stretch; where a stretch is given,
    // also those through points along it; where both are, those through a
    // point of each.
    const bool exitFixed = limits.exitRange && limits.exitRange->from == limits.exitRange->to;
    const bool entryFixed = limits.entryRange && limits.entryRange->from == limits.entryRange->to;
    const bool betweenStretches = limits.exitRange && limits.entryRange;
    std::vector<Family> perCentre;
    if (exitFixed != entryFixed) {
        frame.setPoint(
            surface.pointAt(exitFixed ? limits.exitRange->from : limits.entryRange->from));
        perCentre = {Family::ThroughPoint};
    } else if (!exitFixed) {
        frame.setPoint(limits.exitRange ? surface.pointAt(limits.exitRange->from) : toe);
        perCentre = {Family::Tangent, Family::ThroughPoint};
        if (limits.exitRange) {
            perCentre.push_back(Family::ThroughExit);
        }
        if (limits.entryRange) {
            perCentre.push_back(Family::ThroughEntry);
        }
    }
    const int levels = settings.tangentLevels;
    auto circlesOf = [&](Family f) { return dimensionsOf(f) == 3 ? levels : 1; };
    int radii = 0;
    for (Family f : perCentre) {
        radii += circlesOf(f);
    }
    const int along = perCentre.empty() ? 0 : settings.centresAlong;
    const int away = perCentre.empty() ? 0 : settings.centresAway;
    result.gridAlong = along;
    result.gridAway = away;
    result.radiiPerCentre = radii;

    auto spacing = [](int n) { return n > 1 ? 1.0 / (n - 1) : 0.5; };
    auto gridCoordinate = [](int i, int n) {
        return n > 1 ? static_cast<double>(i) / (n - 1) : 0.5;
    };
    std::vector<double> levelZ(static_cast<std::size_t>(levels));
    for (int k = 0; k < levels; ++k) {
        levelZ[static_cast<std::size_t>(k)] = gridCoordinate(k, levels);
    }
    // The tangent level nearest the toe moves onto it: many critical circles
    // just touch the level of the pit floor.
    std::vector<double> tangentZ = levelZ;
    const double toeZ = frame.levelCoordinate(toe.y);
    if (levels > 1 && toeZ >= 0 && toeZ <= 1) {
        tangentZ[static_cast<std::size_t>(std::lround(toeZ * (levels - 1)))] = toeZ;
    }

    std::vector<Probe> grid;
    for (int j = 0; j < away; ++j) {
        for (int i = 0; i < along; ++i) {
            for (Family f : perCentre) {
                for (int k = 0; k < circlesOf(f); ++k) {
                    Probe p;
                    p.family = f;
                    const auto kk = static_cast<std::size_t>(k);
                    const double third = dimensionsOf(f) < 3    ? 0.0
                                         : f == Family::Tangent ? tangentZ[kk]
                                                                : levelZ[kk];
                    p.z = {gridCoordinate(i, along), gridCoordinate(j, away), third};
                    p.index = {i, j, k};
                    grid.push_back(p);
                }
            }
        }
    }
    const std::vector<double> exits =
        betweenStretches ? stretchSamples(surface, *limits.exitRange) : std::vector<double>{};
    const std::vector<double> entries =
        betweenStretches ? stretchSamples(surface, *limits.entryRange) : std::vector<double>{};
    const double exitSpan = betweenStretches ? limits.exitRange->to - limits.exitRange->from : 0;
    const double entrySpan = betweenStretches ? limits.entryRange->to - limits.entryRange->from : 0;
    for (std::size_t e = 0; e < exits.size(); ++e) {
        for (std::size_t n = 0; n < entries.size(); ++n) {
            const double exitAt = limits.exitRange->from + exits[e] * exitSpan;
            const double entryAt = limits.entryRange->from + entries[n] * entrySpan;
            if (!(exitAt < entryAt)) {
                continue;
            }
            for (int k = 0; k < levels; ++k) {
                Probe p;
                p.family = Family::BetweenStretches;
                p.z = {exits[e], entries[n], levelZ[static_cast<std::size_t>(k)]};
                p.index = {static_cast<int>(e), static_cast<int>(n), k};
                grid.push_back(p);
                ++result.exitEntryCircles;
            }
        }
    }

    const int workers = workerCount(settings.threads);
    const Strength strength = strengthOf(material);
    std::vector<std::unique_ptr<CircleEvaluator>> evaluators;
    for (int w = 0; w < workers; ++w) {
        evaluators.push_back(
            std::make_unique<CircleEvaluator>(surface, strength, material.unitWeight, limits));
    }
    forEachIndexInParallel(grid.size(), workers, [&](std::size_t k, int worker) {
        Probe& p = grid[k];
        p.factor = factorAt(*evaluators[static_cast<std::size_t>(worker)], frame, p.family, p.z);
    });
    result.circlesTried = static_cast<long>(grid.size());
    result.admissibleCircles = std::count_if(
        grid.begin(), grid.end(), [](const Probe& p) { return std::isfinite(p.factor); });
    if (grid.empty()) {
        result.status = SearchStatus::NoAdmissibleCircle;
        return result;
    }

    // Refinement around the best grid points.
    const std::vector<Probe> starts = refinementStarts(grid, settings.refinedMinima);
    std::vector<Refinement> refined(starts.size());
    const Coordinates gridSteps{spacing(along), spacing(away), spacing(levels)};
    const Coordinates stretchSteps{spacing(static_cast<int>(exits.size())),
                                   spacing(static_cast<int>(entries.size())), spacing(levels)};
    forEachIndexInParallel(starts.size(), workers, [&](std::size_t s, int worker) {
        const bool between = starts[s].family == Family::BetweenStretches;
        refined[s] = refine(starts[s], between ? stretchSteps : gridSteps, settings.refinementStep,
                            *evaluators[static_cast<std::size_t>(worker)], frame);
    });
    Probe best = *std::min_element(grid.begin(), grid.end(), [](const Probe& a, const Probe& b) {
        return a.factor < b.factor;
    });
    for (const Refinement& r : refined) {
        result.circlesTried += r.tried;
        result.admissibleCircles += r.admissible;
        if (r.best.factor < best.factor) {
            best = r.best;
        }
    }
    if (!std::isfinite(best.factor)) {
        result.status = SearchStatus::NoAdmissibleCircle;
        return result;
    }

    const Circle critical = frame.circle(best.family, best.z);
    const CircleResult detail = evaluators.front()->analyse(critical);
    if (detail.status != CircleStatus::Admissible) {
        result.status = SearchStatus::NoAdmissibleCircle; // cannot happen: the same evaluation
        return result;
    }
    result.status = SearchStatus::Found;
    CriticalCircle& c = result.critical;
    c.factorOfSafety = detail.factor;
    c.circle = critical;
    c.exitPoint = detail.mass.exit.point;
    c.entryPoint = detail.mass.entry.point;
    c.exitChainage = detail.mass.exit.chainage + offset;
    c.entryChainage = detail.mass.entry.chainage + offset;
    c.slices = detail.slices;
    c.bishopIterations = detail.iterations;
    // A centre on the border of the grid, a circle down at the deepest level
    // where no firm base sets it, or an arc between stretches at its
    // flattest or fullest: a wider search might find a lower factor.
    const bool between = best.family == Family::BetweenStretches;
    for (std::size_t d = between ? 2 : 0; d < (between ? 3u : 2u); ++d) {
        result.onGridBorder = result.onGridBorder || best.z[d] == 0.0 || best.z[d] == 1.0;
    }
    if (best.family == Family::Tangent && best.z[2] == 0.0 && !ground.firmBase) {
        result.onGridBorder = true;
    }
    return result;
}

} // namespace pitwright::stability
