#include "stability/Ground.h"

#include <algorithm>
#include <cmath>

namespace pitwright::stability {
namespace {

bool isVertical(const Point& a, const Point& b) {
    return a.x == b.x;
}

// Drops repeated points and joins vertical pieces that continue one another;
// the reason when the points do not make a surface.
GroundProblem tidy(const std::vector<Point>& points, std::vector<Point>& out) {
    out.clear();
    for (const Point& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return GroundProblem::NotFinite;
        }
        if (std::abs(p.x) > kLargestCoordinate || std::abs(p.y) > kLargestCoordinate) {
            return GroundProblem::TooLarge;
        }
        if (!out.empty() && p == out.back()) {
            continue;
        }
        if (!out.empty() && p.x < out.back().x) {
            return GroundProblem::RunsBackwards;
        }
        const std::size_t n = out.size();
        if (n >= 2 && isVertical(out[n - 2], out[n - 1]) && isVertical(out[n - 1], p)) {
            const bool wasRising = out[n - 1].y > out[n - 2].y;
            const bool rises = p.y > out[n - 1].y;
            if (wasRising != rises) {
                return GroundProblem::FoldsBack;
            }
            out.back() = p;
            continue;
        }
        out.push_back(p);
    }
    return out.size() < 2 ? GroundProblem::TooFewPoints : GroundProblem::None;
}

} // namespace

Ground::Ground(const std::vector<Point>& points) {
    problem_ = tidy(points, points_);
    if (problem_ != GroundProblem::None) {
        points_.clear();
        return;
    }
    chainage_.assign(points_.size(), 0.0);
    for (std::size_t k = 1; k < points_.size(); ++k) {
        const Point& a = points_[k - 1];
        const Point& b = points_[k];
        chainage_[k] = chainage_[k - 1] + std::hypot(b.x - a.x, b.y - a.y);
    }
    const auto [low, high] = std::minmax_element(
        points_.begin(), points_.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    lowest_ = low->y;
    highest_ = high->y;
    if (highest_ == lowest_) {
        problem_ = GroundProblem::Flat;
    }
}

Point Ground::pointAt(double s) const {
    if (points_.empty()) {
        return {};
    }
    if (!(s > 0)) {
        return points_.front();
    }
    if (s >= length()) {
        return points_.back();
    }
    // The segment whose end lies beyond s.
    const auto end = std::upper_bound(chainage_.begin(), chainage_.end(), s);
    const auto k = static_cast<std::size_t>(end - chainage_.begin());
    const Point& a = points_[k - 1];
    const Point& b = points_[k];
    const double t = (s - chainage_[k - 1]) / (chainage_[k] - chainage_[k - 1]);
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

Ground Ground::clipped(double from, double to) const {
    if (points_.empty()) {
        return {};
    }
    from = std::clamp(from, 0.0, length());
    to = std::clamp(to, from, length());
    std::vector<Point> kept{pointAt(from)};
    for (std::size_t k = 0; k < points_.size(); ++k) {
        if (chainage_[k] > from && chainage_[k] < to) {
            kept.push_back(points_[k]);
        }
    }
    kept.push_back(pointAt(to));
    return Ground(kept);
}

GroundProblem checkGroundModel(const GroundModel& model) {
    if (!model.surface.usable()) {
        return model.surface.problem();
    }
    if (model.firmBase) {
        if (!std::isfinite(*model.firmBase)) {
            return GroundProblem::NotFinite;
        }
        if (*model.firmBase > model.surface.lowest()) {
            return GroundProblem::FirmBaseAboveGround;
        }
    }
    return GroundProblem::None;
}

} // namespace pitwright::stability
