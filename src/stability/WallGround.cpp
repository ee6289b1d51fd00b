#include "stability/WallGround.h"

#include <cmath>

namespace pitwright::stability {
namespace {

WallProblem checkProfile(const PointRows& x, const PointRows& y) {
    if (x.empty() || y.empty()) {
        return WallProblem::NotDrawn;
    }
    if (x.rows() != y.rows()) {
        return WallProblem::RowsMismatch;
    }
    if (x.rows() < 2) {
        return WallProblem::NoBenches;
    }
    double previousX = x(0, 0);
    for (std::size_t i = 0; i < x.rows(); ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            if (!std::isfinite(x(i, c)) || !std::isfinite(y(i, c))) {
                return WallProblem::NotFinite;
            }
            if (std::abs(x(i, c)) > kLargestCoordinate / 10 ||
                std::abs(y(i, c)) > kLargestCoordinate / 10) {
                return WallProblem::TooLarge;
            }
            if (x(i, c) < previousX) {
                return WallProblem::RunsBackwards;
            }
            previousX = x(i, c);
        }
    }
    const std::size_t n = x.rows() - 1;
    return y(n, 1) > y(0, 0) ? WallProblem::None : WallProblem::NoHeight;
}

} // namespace

WallGround buildWallGround(const PointRows& x, const PointRows& y) {
    WallGround wall;
    wall.problem = checkProfile(x, y);
    if (wall.problem != WallProblem::None) {
        return wall;
    }
    const std::size_t n = x.rows() - 1;
    wall.slopeHeight = y(n, 1) - y(0, 0);
    const double flat = kFlatGroundInSlopeHeights * wall.slopeHeight;

    std::vector<Point> points{{x(0, 0) - flat, y(0, 0)}};
    wall.profileChainage.resize(n + 1);
    double chainage = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            const Point p{x(i, c), y(i, c)};
            chainage += std::hypot(p.x - points.back().x, p.y - points.back().y);
            wall.profileChainage[i][c] = chainage;
            points.push_back(p);
        }
    }
    points.push_back({x(n, 1) + flat, y(n, 1)});
    wall.model.surface = Ground(points);
    if (!wall.model.surface.usable()) {
        wall.problem = wall.model.surface.problem() == GroundProblem::FoldsBack
                           ? WallProblem::RunsBackwards
                           : WallProblem::NoHeight;
    }
    return wall;
}

} // namespace pitwright::stability
