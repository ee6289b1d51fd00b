#include "export3d/ShellDesigns.h"
#include "export3d/ShellVolume.h"
#include "export3d/Surface3D.h"
#include "export3d/WatertightMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pitwright::testing {
namespace {

WatertightMesh meshOf(const SlopeDesignState& state) {
    const MeshOutcome outcome = buildWatertightMesh(build3DSurface(state));
    EXPECT_FALSE(outcome.refusal.has_value());
    return outcome.mesh;
}

std::optional<ShellFileRefusal> refusalFor(const std::vector<SurfaceQuad>& panels) {
    const MeshOutcome outcome = buildWatertightMesh(panels);
    if (outcome.refusal) {
        EXPECT_TRUE(outcome.mesh.vertices.empty() && outcome.mesh.triangles.empty());
    }
    return outcome.refusal;
}

class WatertightMeshTest : public ::testing::TestWithParam<ShellCase> {};

// n benches, z of whose ledges have no width: per end of the shell, n
// corners on the edge of the wall in the pit, n - 1 - z ledge ends and the
// crest on the bands above them; the top of the last bench and every
// ledge of no width are left out. A closed triangulated sphere then has
// 2V - 4 triangles.
TEST_P(WatertightMeshTest, SplitsEveryTJunctionAndLeavesOutZeroAreaPanels) {
    const int n = GetParam().shape.benches;
    const int z = GetParam().zeroWidthLedges;
    const WatertightMesh mesh = meshOf(designedSlope(GetParam().shape));

    EXPECT_EQ(mesh.tJunctions, static_cast<std::size_t>(4 * n - 2 * z));
    EXPECT_EQ(mesh.zeroAreaPanels, static_cast<std::size_t>(1 + z));
    EXPECT_EQ(mesh.vertices.size(), static_cast<std::size_t>(6 * n + 8 - 2 * z));
    EXPECT_EQ(mesh.triangles.size(), 2 * mesh.vertices.size() - 4);
}

TEST_P(WatertightMeshTest, EnclosesTheVolumeOfTheDesignWithTrianglesOfArea) {
    const SlopeDesignState state = designedSlope(GetParam().shape);
    const WatertightMesh mesh = meshOf(state);

    EXPECT_NEAR(mesh.volume, closedFormShellVolume(state), 1e-12 * mesh.volume);
    for (const MeshTriangle& t : mesh.triangles) {
        const MeshPoint& a = mesh.vertices[t[0]];
        const MeshPoint& b = mesh.vertices[t[1]];
        const MeshPoint& c = mesh.vertices[t[2]];
        const double ax = b.x - a.x, as = b.s - a.s, az = b.z - a.z;
        const double bx = c.x - a.x, bs = c.s - a.s, bz = c.z - a.z;
        const double doubleArea =
            std::hypot(as * bz - az * bs, az * bx - ax * bz, ax * bs - as * bx);
        EXPECT_GT(doubleArea, 0) << t[0] << " " << t[1] << " " << t[2];
    }
    EXPECT_TRUE(survivesSinglePrecision(mesh));
}

INSTANTIATE_TEST_SUITE_P(Designs, WatertightMeshTest, ::testing::ValuesIn(kShellCases));

TEST(WatertightMesh, ASlopeWithoutBenchesIsABoxWithTheCrestOnTheToe) {
    const SlopeDesignState state = designedSlope({0, 1, 10, 5, 0, 0});
    const WatertightMesh mesh = meshOf(state);
    // The toe is a T-junction on the bottom edge of each end wall.
    EXPECT_EQ(mesh.tJunctions, 2u);
    EXPECT_EQ(mesh.zeroAreaPanels, 0u);
    EXPECT_EQ(mesh.vertices.size(), 10u);
    EXPECT_EQ(mesh.volume, 25.0 * (2 + 2) * 1); // strike x (xb - xp) x top margin
}

// Rows left from a calculation with more benches: the crest row keeps its
// ledge, whose top panel then has an area, and its far end is the crest.
TEST(WatertightMesh, ACrestWithALedgeLeftFromALongerProfileStillCloses) {
    SlopeDesignState state = designedSlope({4, 1, 10, 5, 3, 3});
    state.numberOfBenches = 3;
    const WatertightMesh mesh = meshOf(state);
    EXPECT_EQ(mesh.zeroAreaPanels, 0u);
    EXPECT_EQ(mesh.tJunctions, 4u * 3 + 2); // both ends of the ledge on each end wall
    EXPECT_EQ(mesh.triangles.size(), 2 * mesh.vertices.size() - 4);
}

TEST(WatertightMesh, RefusesALidOnTheGroundBehindTheCrest) {
    // Up to 4 m the top margin rounds to nothing.
    EXPECT_EQ(refusalFor(build3DSurface(designedSlope({1, 1, 4, 1, 0, 0}))),
              ShellFileRefusal::LidOnTheGround);
    EXPECT_EQ(refusalFor(build3DSurface(designedSlope({1, 1, 4.01, 1, 0, 0}))), std::nullopt);

    SlopeDesignState below = designedSlope({2, 1, 10, 5, 1, 1});
    below.slopeHeight = -20; // a negative top margin puts the lid under the ground
    EXPECT_EQ(refusalFor(build3DSurface(below)), ShellFileRefusal::LidOnTheGround);
}

TEST(WatertightMesh, RefusesPanelsThatDoNotCloseOrCannotBeWritten) {
    const auto panels = build3DSurface(designedSlope({3, 1, 10, 5, 2, 2}));

    auto missing = panels;
    missing.erase(missing.begin() + 5);
    missing.erase(missing.begin() + 1, missing.begin() + 4); // keeps 4n + 7 panels
    EXPECT_EQ(refusalFor(missing), ShellFileRefusal::NotClosed);

    auto turned = panels;
    std::swap(turned[8].corners[1], turned[8].corners[3]);
    EXPECT_EQ(refusalFor(turned), ShellFileRefusal::NotClosed);

    auto moved = panels;
    moved[9].corners[2].x += 0.5; // a face that no longer meets its band
    EXPECT_EQ(refusalFor(moved), ShellFileRefusal::NotClosed);

    EXPECT_EQ(refusalFor({}), ShellFileRefusal::NotClosed);
    EXPECT_EQ(refusalFor({panels.begin(), panels.end() - 1}), ShellFileRefusal::NotClosed);

    auto infinite = panels;
    infinite[3].corners[0].z = -std::numeric_limits<double>::infinity();
    EXPECT_EQ(refusalFor(infinite), ShellFileRefusal::DimensionTooLarge);
}

// Sections that fold back sweep panels through one another even where their
// edges pair up: a descending profile (a negative bench height typed before
// the slope height was made positive again) runs below the toe, and a ledge
// that runs back towards the pit doubles over itself.
TEST(WatertightMesh, RefusesASectionThatFoldsBack) {
    SlopeDesignState below = designedSlope({3, 1, 10, 5, 2, 2});
    for (std::size_t i = 0; i <= 3; ++i) {
        below.profileY(i, 0) = -below.profileY(i, 0);
        below.profileY(i, 1) = -below.profileY(i, 1);
    }
    EXPECT_EQ(refusalFor(build3DSurface(below)), ShellFileRefusal::NotClosed);

    SlopeDesignState back = designedSlope({3, 1, 10, 5, 2, 2});
    back.profileX(1, 1) = 4; // the ledge on bench 1 runs from 5 back to 4
    EXPECT_EQ(refusalFor(build3DSurface(back)), ShellFileRefusal::NotClosed);
}

// Floats are 1/32 m apart from 2^18 m on: a 0.01 m ledge there vanishes,
// one at 2^17 m, where they are 1/64 m apart, survives.
TEST(WatertightMesh, NarrowLedgesFarFromTheToeCollapseInSinglePrecision) {
    EXPECT_FALSE(survivesSinglePrecision(meshOf(designedSlope({2, 1, 10, 262144, 0.01, 0.01}))));
    EXPECT_TRUE(survivesSinglePrecision(meshOf(designedSlope({2, 1, 10, 131072, 0.01, 0.01}))));
}

// Corners that stay distinct in floats, but the third rounds onto the line
// through the other two, or across it.
TEST(WatertightMesh, ATriangleThatFlattensOrTurnsInFloatsDoesNotSurvive) {
    WatertightMesh flat;
    flat.vertices = {{0, 0, 0}, {1, 0, 0}, {0.5, 1e-50, 0}};
    flat.triangles = {{0, 1, 2}};
    EXPECT_FALSE(survivesSinglePrecision(flat));
    flat.vertices[2].s = 1e-3;
    EXPECT_TRUE(survivesSinglePrecision(flat));

    // s 16777219 rounds up to 16777220, which lifts the line above the third
    // corner, and 6291457.2 rounds down to 6291457, which lowers it below.
    WatertightMesh turned;
    turned.vertices = {{0, 0, 0}, {1, 16777219, 0}, {0.375, 6291457.2, 0}};
    turned.triangles = {{0, 1, 2}};
    EXPECT_FALSE(survivesSinglePrecision(turned));
    turned.vertices[2].s = 6291458;
    EXPECT_TRUE(survivesSinglePrecision(turned));
}

} // namespace
} // namespace pitwright::testing
