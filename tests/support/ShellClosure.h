#pragma once

// Whether a shell of panels encloses a volume: every piece of every panel
// edge is shared by exactly two panels that run along it in opposite senses.
#include "export3d/SurfaceQuad.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace pitwright::testing {

using Point = std::tuple<double, double, double>;

inline Point pointOf(const SurfaceCorner& c) {
    return {c.x, static_cast<double>(c.s), c.z};
}

inline bool isDegenerate(const SurfaceQuad& quad) {
    std::set<Point> distinct;
    for (const auto& corner : quad.corners) {
        distinct.insert(pointOf(corner));
    }
    return distinct.size() < 4;
}

// How far along a->b the point p lies, as a key that grows from a to b,
// when p lies strictly inside the segment; nothing otherwise. Edges of the
// shell meet in T-junctions only along the axes (ledges, walls, strike
// lines), so only axis-parallel edges are split, and exactly: by comparing
// coordinates, with no tolerance that nearly coincident points could fool.
inline std::optional<double> insideSegment(const Point& a, const Point& b, const Point& p) {
    const std::array<double, 3> from{std::get<0>(a), std::get<1>(a), std::get<2>(a)};
    const std::array<double, 3> to{std::get<0>(b), std::get<1>(b), std::get<2>(b)};
    const std::array<double, 3> at{std::get<0>(p), std::get<1>(p), std::get<2>(p)};
    int along = -1;
    for (int axis = 0; axis < 3; ++axis) {
        if (from[axis] != to[axis]) {
            if (along >= 0) {
                return std::nullopt; // not parallel to an axis
            }
            along = axis;
        } else if (at[axis] != from[axis]) {
            return std::nullopt;
        }
    }
    if (along < 0) {
        return std::nullopt;
    }
    const double sense = to[along] > from[along] ? 1.0 : -1.0;
    const double key = sense * at[along];
    if (!(key > sense * from[along] && key < sense * to[along])) {
        return std::nullopt;
    }
    return key;
}

// The key of an end of the segment a->b, in the order insideSegment uses.
inline double endKey(const Point& a, const Point& b, const Point& end) {
    const std::array<double, 3> from{std::get<0>(a), std::get<1>(a), std::get<2>(a)};
    const std::array<double, 3> to{std::get<0>(b), std::get<1>(b), std::get<2>(b)};
    const std::array<double, 3> at{std::get<0>(end), std::get<1>(end), std::get<2>(end)};
    for (int axis = 0; axis < 3; ++axis) {
        if (from[axis] != to[axis]) {
            return (to[axis] > from[axis] ? 1.0 : -1.0) * at[axis];
        }
    }
    return 0;
}

// Counts each directed piece of each panel edge, edges split at every
// corner of the shell that lies on them (the end walls meet the bench
// ledges in T-junctions).
inline std::map<std::pair<Point, Point>, int>
directedEdgePieces(std::span<const SurfaceQuad> quads) {
    std::set<Point> corners;
    for (const auto& quad : quads) {
        for (const auto& corner : quad.corners) {
            corners.insert(pointOf(corner));
        }
    }
    std::map<std::pair<Point, Point>, int> pieces;
    for (const auto& quad : quads) {
        if (isDegenerate(quad)) {
            continue; // a zero-width ledge encloses nothing
        }
        for (std::size_t k = 0; k < 4; ++k) {
            const Point a = pointOf(quad.corners[k]);
            const Point b = pointOf(quad.corners[(k + 1) % 4]);
            // A zero-length edge has one stop and adds no piece.
            std::map<double, Point> stops{{endKey(a, b, a), a}, {endKey(a, b, b), b}};
            for (const Point& p : corners) {
                if (auto t = insideSegment(a, b, p)) {
                    stops.emplace(*t, p);
                }
            }
            for (auto it = stops.begin(); std::next(it) != stops.end(); ++it) {
                ++pieces[{it->second, std::next(it)->second}];
            }
        }
    }
    return pieces;
}

// Empty when the shell is closed; else what is wrong with it.
inline std::string whyShellIsOpen(std::span<const SurfaceQuad> quads) {
    const auto pieces = directedEdgePieces(quads);
    if (pieces.empty()) {
        return "the shell has no edges";
    }
    for (const auto& [piece, count] : pieces) {
        const auto reverse = pieces.find({piece.second, piece.first});
        if (count != 1) {
            return "an edge piece is run along twice in the same sense";
        }
        if (reverse == pieces.end()) {
            return "an open edge";
        }
    }
    return {};
}

} // namespace pitwright::testing
