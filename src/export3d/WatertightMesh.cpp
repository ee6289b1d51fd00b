#include "export3d/WatertightMesh.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <tuple>
#include <unordered_map>

namespace pitwright {
namespace {

MeshPoint operator-(const MeshPoint& a, const MeshPoint& b) {
    return {a.x - b.x, a.s - b.s, a.z - b.z};
}

MeshPoint cross(const MeshPoint& a, const MeshPoint& b) {
    return {a.s * b.z - a.z * b.s, a.z * b.x - a.x * b.z, a.x * b.s - a.s * b.x};
}

double dot(const MeshPoint& a, const MeshPoint& b) {
    return a.x * b.x + a.s * b.s + a.z * b.z;
}

bool isZero(const MeshPoint& v) {
    return v.x == 0 && v.s == 0 && v.z == 0;
}

double coordinate(const MeshPoint& p, std::size_t axis) {
    return axis == 0 ? p.x : axis == 1 ? p.s : p.z;
}

// Adding zero turns a negative zero into a zero, so that the pit floor at
// -0 and a corner at 0 become one vertex.
MeshPoint pointOf(const SurfaceCorner& corner) {
    return {corner.x + 0.0, static_cast<double>(corner.s), corner.z + 0.0};
}

bool isFinite(const SurfaceCorner& corner) {
    return std::isfinite(corner.x) && std::isfinite(corner.z);
}

// Whether the outline turns at b on its way from a to c (b is no point on a
// straight run). Exact for points on a line parallel to an axis, as every
// corner that splits a panel edge is.
bool turnsAt(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c) {
    return !isZero(cross(b - a, c - b));
}

struct PointHash {
    std::size_t operator()(const MeshPoint& p) const {
        std::uint64_t h = std::bit_cast<std::uint64_t>(p.x);
        h = (h ^ (h >> 29)) * 0x9E3779B97F4A7C15ULL + std::bit_cast<std::uint64_t>(p.s);
        h = (h ^ (h >> 29)) * 0x9E3779B97F4A7C15ULL + std::bit_cast<std::uint64_t>(p.z);
        return static_cast<std::size_t>(h ^ (h >> 32));
    }
};

// The distinct corners of a panel in their order, at most four.
struct Outline {
    std::array<std::uint32_t, 4> ids{};
    std::size_t size = 0;
};

struct PanelCorners {
    std::array<MeshPoint, 4> points{};
    std::size_t count = 0;
};

// The panel's corners with those that repeat the one before dropped (a
// ledge of no width has only two); nothing when fewer than three of them
// are real turns, since the panel then encloses no area.
std::optional<PanelCorners> cornersWithArea(const SurfaceQuad& panel) {
    PanelCorners corners;
    auto& [ring, count] = corners;
    for (const SurfaceCorner& corner : panel.corners) {
        const MeshPoint p = pointOf(corner);
        if (count == 0 || ring[count - 1] != p) {
            ring[count++] = p;
        }
    }
    while (count > 1 && ring[0] == ring[count - 1]) {
        --count;
    }
    std::size_t turns = 0;
    for (std::size_t k = 0; k < count; ++k) {
        turns += turnsAt(ring[(k + count - 1) % count], ring[k], ring[(k + 1) % count]) ? 1 : 0;
    }
    if (turns < 3) {
        return std::nullopt;
    }
    return corners;
}

// Vertices grouped by the lines parallel to an axis that run through them,
// in order along each line. The shell's T-junctions all lie on edges along
// an axis (the ledges, the walls and the lines along strike), and both ends
// of such an edge are vertices on its line: the vertices inside the edge are
// the ones between its ends in that order, found without a search.
class AxisLines {
public:
    explicit AxisLines(const std::vector<MeshPoint>& vertices) {
        std::vector<Entry> line;
        line.reserve(vertices.size());
        for (std::size_t axis = 0; axis < 3; ++axis) {
            line.clear();
            for (std::size_t id = 0; id < vertices.size(); ++id) {
                const MeshPoint& p = vertices[id];
                line.push_back({coordinate(p, (axis + 1) % 3), coordinate(p, (axis + 2) % 3),
                                coordinate(p, axis), static_cast<std::uint32_t>(id)});
            }
            std::sort(line.begin(), line.end(), [](const Entry& a, const Entry& b) {
                return std::tie(a.first, a.second, a.along) < std::tie(b.first, b.second, b.along);
            });
            order_[axis].resize(line.size());
            place_[axis].resize(line.size());
            for (std::size_t k = 0; k < line.size(); ++k) {
                order_[axis][k] = line[k].id;
                place_[axis][line[k].id] = static_cast<std::uint32_t>(k);
            }
        }
    }

    // Appends the vertices that lie strictly inside the edge from->to, in
    // order from `from`; none when the edge does not run along an axis.
    void appendInside(const std::vector<MeshPoint>& vertices, std::uint32_t from, std::uint32_t to,
                      std::vector<std::uint32_t>& out) const {
        const MeshPoint& a = vertices[from];
        const MeshPoint& b = vertices[to];
        std::size_t axis = 3;
        for (std::size_t k = 0; k < 3; ++k) {
            if (coordinate(a, k) != coordinate(b, k)) {
                if (axis < 3) {
                    return;
                }
                axis = k;
            }
        }
        if (axis == 3) {
            return;
        }
        const std::uint32_t start = place_[axis][from];
        const std::uint32_t end = place_[axis][to];
        if (start < end) {
            out.insert(out.end(), order_[axis].begin() + start + 1, order_[axis].begin() + end);
        } else {
            for (std::uint32_t k = start - 1; k > end; --k) {
                out.push_back(order_[axis][k]);
            }
        }
    }

private:
    struct Entry {
        double first; // the two coordinates that stay fixed along the line
        double second;
        double along; // the coordinate that runs along it
        std::uint32_t id;
    };
    std::array<std::vector<std::uint32_t>, 3> order_; // vertex ids, line by line
    std::array<std::vector<std::uint32_t>, 3> place_; // where each vertex stands in order_
};

// The working lists of triangulateConvex, kept from one outline to the next.
struct RingScratch {
    std::vector<std::size_t> prev;
    std::vector<std::size_t> next;
    std::vector<char> corner;
    std::vector<std::size_t> ready;
    std::vector<std::size_t> waiting;
};

// Cuts a convex outline into triangles of non-zero area. The outline may
// hold vertices on its straight runs (where it was split at T-junctions);
// a fan would give zero-area triangles there, so ears are cut off at real
// corners instead. With four corners or more any corner will do; with three,
// cutting off one whose neighbours are both corners would leave the points
// of a straight run alone, so such a corner waits. Cutting an ear turns a
// neighbour on a straight run into a corner; working from the newest corner
// fans the runs from the corners across from them. Returns false when the
// outline is not convex after all.
bool triangulateConvex(const std::vector<std::uint32_t>& ring,
                       const std::vector<MeshPoint>& vertices, std::vector<MeshTriangle>& out,
                       RingScratch& scratch) {
    const std::size_t m = ring.size();
    if (m < 3) {
        return false;
    }
    // References, not a structured binding, which clang 14 cannot capture.
    std::vector<std::size_t>& prev = scratch.prev;
    std::vector<std::size_t>& next = scratch.next;
    std::vector<char>& corner = scratch.corner;
    std::vector<std::size_t>& ready = scratch.ready;
    std::vector<std::size_t>& waiting = scratch.waiting;
    prev.resize(m);
    next.resize(m);
    corner.resize(m);
    ready.clear();
    waiting.clear();
    for (std::size_t k = 0; k < m; ++k) {
        prev[k] = (k + m - 1) % m;
        next[k] = (k + 1) % m;
    }
    const auto turns = [&](std::size_t k) {
        return turnsAt(vertices[ring[prev[k]]], vertices[ring[k]], vertices[ring[next[k]]]);
    };
    std::size_t corners = 0;
    for (std::size_t k = m; k-- > 0;) {
        corner[k] = turns(k) ? 1 : 0;
        if (corner[k]) {
            ++corners;
            ready.push_back(k);
        }
    }
    std::size_t left = m;
    bool cutSinceWait = true;
    std::size_t last = 0;
    while (left > 3) {
        if (ready.empty()) {
            if (waiting.empty() || !cutSinceWait) {
                return false;
            }
            std::swap(ready, waiting);
            std::reverse(ready.begin(), ready.end());
            cutSinceWait = false;
        }
        const std::size_t v = ready.back();
        ready.pop_back();
        if (!corner[v]) {
            continue; // cut off already
        }
        const std::size_t p = prev[v];
        const std::size_t q = next[v];
        if (!turns(v)) {
            return false;
        }
        if (corners == 3 && corner[p] && corner[q]) {
            waiting.push_back(v);
            continue;
        }
        out.push_back({ring[p], ring[v], ring[q]});
        corner[v] = 0;
        --corners;
        next[p] = q;
        prev[q] = p;
        --left;
        cutSinceWait = true;
        last = p;
        for (const std::size_t u : {p, q}) {
            if (!corner[u] && turns(u)) {
                corner[u] = 1;
                ++corners;
                ready.push_back(u);
            }
        }
    }
    out.push_back({ring[last], ring[next[last]], ring[next[next[last]]]});
    return true;
}

bool everyTriangleHasArea(const WatertightMesh& mesh) {
    return std::none_of(mesh.triangles.begin(), mesh.triangles.end(), [&](const MeshTriangle& t) {
        const MeshPoint& a = mesh.vertices[t[0]];
        return isZero(cross(mesh.vertices[t[1]] - a, mesh.vertices[t[2]] - a));
    });
}

// Closed and consistently oriented: every edge is run along by exactly two
// triangles, once each way. Each directed edge becomes the key of its
// undirected edge with the sense in the lowest bit; sorted, the keys must
// then come in pairs of the two senses.
bool isClosed(const std::vector<MeshTriangle>& triangles, std::size_t vertexCount) {
    if (triangles.empty() || vertexCount >= (std::size_t{1} << 31)) {
        return false;
    }
    std::vector<std::uint64_t> keys;
    keys.reserve(3 * triangles.size());
    for (const MeshTriangle& t : triangles) {
        for (std::size_t k = 0; k < 3; ++k) {
            const std::uint64_t from = t[k];
            const std::uint64_t to = t[(k + 1) % 3];
            keys.push_back(from < to ? (from << 33 | to << 1) : (to << 33 | from << 1 | 1));
        }
    }
    if (keys.size() % 2 != 0) {
        return false;
    }
    std::sort(keys.begin(), keys.end());
    for (std::size_t k = 0; k < keys.size(); k += 2) {
        if ((keys[k] & 1) != 0 || keys[k + 1] != (keys[k] | 1)) {
            return false;
        }
    }
    return true;
}

// Taken about the middle of the bounding box, which keeps the products
// small and the sum accurate; a closed mesh gives the same volume about any
// point.
double signedVolume(const WatertightMesh& mesh) {
    MeshPoint low = mesh.vertices.front();
    MeshPoint high = low;
    for (const MeshPoint& p : mesh.vertices) {
        low = {std::min(low.x, p.x), std::min(low.s, p.s), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.s, p.s), std::max(high.z, p.z)};
    }
    const MeshPoint middle{low.x + (high.x - low.x) / 2, low.s + (high.s - low.s) / 2,
                           low.z + (high.z - low.z) / 2};
    double sixfold = 0;
    for (const MeshTriangle& t : mesh.triangles) {
        sixfold += dot(mesh.vertices[t[0]] - middle,
                       cross(mesh.vertices[t[1]] - middle, mesh.vertices[t[2]] - middle));
    }
    return sixfold / 6;
}

// The lid closes the shell a top margin above the ground behind the crest;
// without that margin it lies on the ground, and the solid thins to a sheet
// there.
bool lidIsAboveTheGround(std::span<const SurfaceQuad> panels) {
    const SurfaceQuad& lid = panels.back();
    const SurfaceQuad& ground = panels[panels.size() - 6];
    return lid.corners[0].z < ground.corners[0].z;
}

// Edges that pair up are not enough: a section that runs below the toe or
// back towards the pit sweeps panels through one another. The shell is a
// solid when the section it sweeps is a simple outline: every face rises
// and runs away from the pit, every ledge is level and none runs back, the
// wall in the pit stands in front of the toe and the wall behind the crest
// not in front of the crest, all along a strike of some length. (The lid
// above the ground is checked before.)
bool sweepsASimpleSection(std::span<const SurfaceQuad> panels) {
    const std::size_t n = (panels.size() - 7) / 4;
    const SurfaceQuad& floor = panels[0];
    if (!(floor.corners[1].x < floor.corners[0].x) || !(floor.corners[2].s > 0)) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const SurfaceQuad& face = panels[2 * n + 1 + 2 * i];
        const SurfaceCorner& toe = face.corners[0];
        const SurfaceCorner& top = face.corners[3];
        if (!(top.z < toe.z) || top.x < toe.x) {
            return false;
        }
        const SurfaceQuad& ledge = panels[2 * n + 2 + 2 * i];
        const SurfaceCorner& from = ledge.corners[0];
        const SurfaceCorner& to = ledge.corners[3];
        if (to.z != from.z || to.x < from.x) {
            return false;
        }
    }
    const SurfaceQuad& ground = panels[panels.size() - 6];
    return ground.corners[2].x >= ground.corners[0].x;
}

} // namespace

MeshOutcome buildWatertightMesh(std::span<const SurfaceQuad> panels) {
    MeshOutcome outcome;
    const auto refuse = [&outcome](ShellFileRefusal why) {
        outcome.mesh = {};
        outcome.refusal = why;
        return outcome;
    };
    for (const SurfaceQuad& panel : panels) {
        if (!std::all_of(panel.corners.begin(), panel.corners.end(), isFinite)) {
            return refuse(ShellFileRefusal::DimensionTooLarge);
        }
    }
    if (panels.size() < 7 || (panels.size() - 7) % 4 != 0) {
        return refuse(ShellFileRefusal::NotClosed);
    }
    if (!lidIsAboveTheGround(panels)) {
        return refuse(ShellFileRefusal::LidOnTheGround);
    }
    if (!sweepsASimpleSection(panels)) {
        return refuse(ShellFileRefusal::NotClosed);
    }

    WatertightMesh& mesh = outcome.mesh;
    std::unordered_map<MeshPoint, std::uint32_t, PointHash> ids;
    ids.reserve(2 * panels.size());
    std::vector<Outline> outlines;
    outlines.reserve(panels.size());
    for (const SurfaceQuad& panel : panels) {
        const auto corners = cornersWithArea(panel);
        if (!corners) {
            ++mesh.zeroAreaPanels;
            continue;
        }
        Outline outline;
        outline.size = corners->count;
        for (std::size_t k = 0; k < corners->count; ++k) {
            const MeshPoint& p = corners->points[k];
            const auto next = static_cast<std::uint32_t>(mesh.vertices.size());
            const auto [it, added] = ids.try_emplace(p, next);
            if (added) {
                mesh.vertices.push_back(p);
            }
            outline.ids[k] = it->second;
        }
        outlines.push_back(outline);
    }
    if (outlines.empty()) {
        return refuse(ShellFileRefusal::NotClosed);
    }

    const AxisLines lines(mesh.vertices);
    mesh.triangles.reserve(2 * mesh.vertices.size());
    std::vector<std::uint32_t> ring;
    RingScratch scratch;
    for (const Outline& outline : outlines) {
        ring.clear();
        for (std::size_t k = 0; k < outline.size; ++k) {
            const std::uint32_t from = outline.ids[k];
            ring.push_back(from);
            const std::size_t before = ring.size();
            lines.appendInside(mesh.vertices, from, outline.ids[(k + 1) % outline.size], ring);
            mesh.tJunctions += ring.size() - before;
        }
        if (!triangulateConvex(ring, mesh.vertices, mesh.triangles, scratch)) {
            return refuse(ShellFileRefusal::NotClosed);
        }
    }
    if (!everyTriangleHasArea(mesh) || !isClosed(mesh.triangles, mesh.vertices.size())) {
        return refuse(ShellFileRefusal::NotClosed);
    }

    // The panels face into the open space they enclose; whichever way they
    // face, the sign of the volume tells.
    const double volume = signedVolume(mesh);
    if (!std::isfinite(volume)) {
        return refuse(ShellFileRefusal::DimensionTooLarge);
    }
    if (volume == 0) {
        return refuse(ShellFileRefusal::NotClosed);
    }
    if (volume < 0) {
        for (MeshTriangle& t : mesh.triangles) {
            std::swap(t[1], t[2]);
        }
    }
    mesh.volume = std::fabs(volume);
    return outcome;
}

std::vector<FloatPoint> singlePrecisionVertices(const WatertightMesh& mesh) {
    std::vector<FloatPoint> rounded;
    rounded.reserve(mesh.vertices.size());
    for (const MeshPoint& p : mesh.vertices) {
        // Adding zero again: a float of -0 and one of 0 are the same place.
        rounded.push_back({static_cast<float>(p.x) + 0.0f, static_cast<float>(p.s) + 0.0f,
                           static_cast<float>(p.z) + 0.0f});
    }
    return rounded;
}

bool survivesSinglePrecision(const WatertightMesh& mesh) {
    // Worked from the floats as stored: GCC 12 at -O2 has been seen to
    // vectorise a float rounding of a double, used again as a double, into
    // no rounding at all.
    const std::vector<FloatPoint> rounded = singlePrecisionVertices(mesh);
    std::vector<std::array<std::uint32_t, 3>> keys;
    keys.reserve(rounded.size());
    for (const FloatPoint& f : rounded) {
        if (!std::isfinite(f[0]) || !std::isfinite(f[1]) || !std::isfinite(f[2])) {
            return false;
        }
        keys.push_back({std::bit_cast<std::uint32_t>(f[0]), std::bit_cast<std::uint32_t>(f[1]),
                        std::bit_cast<std::uint32_t>(f[2])});
    }
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) {
        return false;
    }
    const auto widened = [&](std::uint32_t id) {
        const FloatPoint& f = rounded[id];
        return MeshPoint{f[0], f[1], f[2]};
    };
    return std::all_of(mesh.triangles.begin(), mesh.triangles.end(), [&](const MeshTriangle& t) {
        const MeshPoint a = widened(t[0]);
        const MeshPoint normal = cross(widened(t[1]) - a, widened(t[2]) - a);
        const MeshPoint& exactA = mesh.vertices[t[0]];
        const MeshPoint exactNormal =
            cross(mesh.vertices[t[1]] - exactA, mesh.vertices[t[2]] - exactA);
        return !isZero(normal) && dot(normal, exactNormal) > 0;
    });
}

} // namespace pitwright
