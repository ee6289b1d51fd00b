#include "export3d/ShellDesigns.h"
#include "export3d/ShellStl.h"
#include "export3d/ShellVolume.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace pitwright::testing {
namespace {

std::uint32_t uint32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + k])} << (8 * k);
    }
    return value;
}

float floatAt(const std::string& bytes, std::size_t at) {
    return std::bit_cast<float>(uint32At(bytes, at));
}

TEST(ShellStlTest, FacetsCarryTheRoundedCornersAndTheirOutwardUnitNormal) {
    const SlopeDesignState state = designedSlope({6, 3, 15, 8.660254037844387, 3.5, 12.25});
    const auto panels = build3DSurface(state);
    const WatertightMesh mesh = buildWatertightMesh(panels).mesh;
    const ShellFile file = shellStlFile(panels);
    ASSERT_TRUE(file.written());
    const std::string& stl = file.bytes;

    ASSERT_EQ(stl.size(), 84 + 50 * mesh.triangles.size());
    EXPECT_NE(stl.substr(0, 5), "solid"); // else readers take it for the text form
    EXPECT_EQ(uint32At(stl, 80), mesh.triangles.size());
    double sixfold = 0;
    for (std::size_t f = 0; f < mesh.triangles.size(); ++f) {
        const std::size_t at = 84 + 50 * f;
        const double n[3] = {floatAt(stl, at), floatAt(stl, at + 4), floatAt(stl, at + 8)};
        double c[3][3];
        for (std::size_t k = 0; k < 3; ++k) {
            const MeshPoint& v = mesh.vertices[mesh.triangles[f][k]];
            for (std::size_t axis = 0; axis < 3; ++axis) {
                c[k][axis] = floatAt(stl, at + 12 + 12 * k + 4 * axis);
            }
            EXPECT_EQ(c[k][0], static_cast<float>(v.x));
            EXPECT_EQ(c[k][1], static_cast<float>(v.s));
            EXPECT_EQ(c[k][2], static_cast<float>(v.z));
        }
        EXPECT_EQ(stl[at + 48], 0);
        EXPECT_EQ(stl[at + 49], 0);
        const double u[3] = {c[1][0] - c[0][0], c[1][1] - c[0][1], c[1][2] - c[0][2]};
        const double w[3] = {c[2][0] - c[0][0], c[2][1] - c[0][1], c[2][2] - c[0][2]};
        const double cross[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                                 u[0] * w[1] - u[1] * w[0]};
        const double length = std::hypot(cross[0], cross[1], cross[2]);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(n[axis], cross[axis] / length, 1e-7) << "facet " << f;
        }
        sixfold += c[0][0] * cross[0] + c[0][1] * cross[1] + c[0][2] * cross[2];
    }
    const double expected = closedFormShellVolume(state);
    EXPECT_NEAR(sixfold / 6, expected, 1e-6 * expected); // positive: the facets face outwards
}

TEST(ShellStlTest, RefusesALedgeThatVanishesInFloats) {
    const auto panels = build3DSurface(designedSlope({2, 1, 10, 262144, 0.01, 0.01}));
    const ShellFile file = shellStlFile(panels);
    EXPECT_EQ(file.refusal, ShellFileRefusal::CollapsesInSinglePrecision);
    EXPECT_TRUE(file.bytes.empty());

    std::string out = "kept";
    EXPECT_FALSE(appendShellStl(buildWatertightMesh(panels).mesh, out));
    EXPECT_EQ(out, "kept");

    EXPECT_EQ(shellStlFile(build3DSurface(designedSlope({1, 1, 4, 1, 0, 0}))).refusal,
              ShellFileRefusal::LidOnTheGround);
}

} // namespace
} // namespace pitwright::testing
