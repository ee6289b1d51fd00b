#include "stability/WallStability.h"

#include <algorithm>
#include <cmath>

namespace pitwright::stability {
namespace {

// The stack's surface relative to its foot, to recognise stacks of one shape.
std::vector<Point> localShape(const Ground& surface, const GroundRange& extent) {
    std::vector<Point> shape = surface.clipped(extent.from, extent.to).points();
    if (!shape.empty()) {
        const Point foot = shape.front();
        for (Point& p : shape) {
            p = {p.x - foot.x, p.y - foot.y};
        }
    }
    return shape;
}

bool sameShape(const std::vector<Point>& a, const std::vector<Point>& b, double tolerance) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](auto& p, auto& q) {
               return std::abs(p.x - q.x) <= tolerance && std::abs(p.y - q.y) <= tolerance;
           });
}

// A stack's result moved onto another stack of the same shape.
SearchResult shifted(SearchResult result, const Point& by, double chainage) {
    CriticalCircle& r = result.critical;
    r.circle.x += by.x;
    r.circle.y += by.y;
    r.exitPoint = {r.exitPoint.x + by.x, r.exitPoint.y + by.y};
    r.entryPoint = {r.entryPoint.x + by.x, r.entryPoint.y + by.y};
    r.exitChainage += chainage;
    r.entryChainage += chainage;
    for (Slice& s : r.slices) {
        s.xLeft += by.x;
        s.xRight += by.x;
        s.groundY += by.y;
        s.baseY += by.y;
    }
    return result;
}

} // namespace

std::vector<GroundRange> stackExtents(const WallGround& wall, int benchesPerStack) {
    std::vector<GroundRange> extents;
    if (wall.problem != WallProblem::None || benchesPerStack < 1) {
        return extents;
    }
    const auto n = wall.profileChainage.size() - 1;
    const auto perStack = static_cast<std::size_t>(benchesPerStack);
    for (std::size_t foot = 0; foot < n; foot += perStack) {
        const std::size_t top = std::min(foot + perStack, n);
        extents.push_back({wall.profileChainage[foot][1], wall.profileChainage[top][0]});
    }
    return extents;
}

WallStability analyseWallStability(const PointRows& x, const PointRows& y, int benchesPerStack,
                                   const Material& material, const SearchSettings& settings) {
    WallStability result;
    const WallGround wall = buildWallGround(x, y);
    result.wallProblem = wall.problem;
    if (wall.problem == WallProblem::None && benchesPerStack < 1) {
        result.wallProblem = WallProblem::BadBenchesPerStack;
    }
    result.materialProblem = checkMaterial(material);
    if (result.wallProblem != WallProblem::None ||
        result.materialProblem != MaterialProblem::None) {
        return result;
    }

    result.overall = searchCriticalCircle(wall.model, material, {}, settings);

    const Ground& surface = wall.model.surface;
    const double tolerance = 1e-6;
    std::vector<std::vector<Point>> shapes;
    std::vector<std::size_t> searched; // stack searched for each shape
    std::vector<SearchResult> stacks;
    const std::vector<GroundRange> extents = stackExtents(wall, benchesPerStack);
    for (const GroundRange& extent : extents) {
        std::vector<Point> shape = localShape(surface, extent);
        const auto same = std::find_if(shapes.begin(), shapes.end(), [&](const auto& s) {
            return sameShape(s, shape, tolerance);
        });
        if (same != shapes.end()) {
            const std::size_t m = searched[static_cast<std::size_t>(same - shapes.begin())];
            const Point from = surface.pointAt(extents[m].from);
            const Point to = surface.pointAt(extent.from);
            stacks.push_back(
                shifted(stacks[m], {to.x - from.x, to.y - from.y}, extent.from - extents[m].from));
            continue;
        }
        shapes.push_back(std::move(shape));
        searched.push_back(stacks.size());
        stacks.push_back(
            searchCriticalCircle(wall.model, material, SlipRanges{extent, extent}, settings));
    }

    for (std::size_t k = 0; k < stacks.size(); ++k) {
        const SearchResult& s = stacks[k];
        const double factor = s.critical.factorOfSafety;
        result.stackFactors.push_back(factor);
        if (s.status == SearchStatus::Found &&
            (result.worstStackIndex < 0 || factor < result.worstStack.critical.factorOfSafety)) {
            result.worstStack = s;
            result.worstStackIndex = static_cast<int>(k);
        }
    }
    if (result.worstStackIndex < 0 && !stacks.empty()) {
        result.worstStack = stacks.front();
    }
    if (result.worstStackIndex >= 0 &&
        (result.overall.status != SearchStatus::Found ||
         result.worstStack.critical.factorOfSafety < result.overall.critical.factorOfSafety)) {
        result.overall.status = SearchStatus::Found;
        result.overall.critical = result.worstStack.critical;
        result.overall.onGridBorder = result.worstStack.onGridBorder;
        result.overallFromStack = true;
    }
    return result;
}

} // namespace pitwright::stability
