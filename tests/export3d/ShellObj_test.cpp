#include "export3d/ShellDesigns.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellVolume.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

namespace pitwright::testing {
namespace {

struct ObjMesh {
    std::vector<std::array<double, 3>> vertices;
    std::vector<std::array<std::size_t, 3>> faces; // counted from 0
};

// Reads back the subset the writer uses: comments, "v x y z", "f a b c".
ObjMesh readObj(const std::string& text) {
    ObjMesh mesh;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "line not ended by CR LF";
        line.pop_back();
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        std::vector<std::string> values;
        for (std::string value; fields >> value;) {
            values.push_back(value);
        }
        if (kind == "#") {
            continue;
        }
        EXPECT_TRUE((kind == "v" || kind == "f") && values.size() == 3) << line;
        if (kind == "v") {
            std::array<double, 3>& v = mesh.vertices.emplace_back();
            for (std::size_t k = 0; k < 3; ++k) {
                const auto [end, error] =
                    std::from_chars(values[k].data(), values[k].data() + values[k].size(), v[k]);
                EXPECT_TRUE(error == std::errc{} && end == values[k].data() + values[k].size());
            }
        } else if (kind == "f") {
            std::array<std::size_t, 3>& f = mesh.faces.emplace_back();
            for (std::size_t k = 0; k < 3; ++k) {
                f[k] = std::stoul(values[k]) - 1;
                EXPECT_LT(f[k], mesh.vertices.size()) << line;
            }
        }
    }
    return mesh;
}

double volumeOf(const ObjMesh& mesh) {
    double sixfold = 0;
    for (const auto& f : mesh.faces) {
        const auto& a = mesh.vertices[f[0]];
        const auto& b = mesh.vertices[f[1]];
        const auto& c = mesh.vertices[f[2]];
        sixfold += a[0] * (b[1] * c[2] - b[2] * c[1]) + a[1] * (b[2] * c[0] - b[0] * c[2]) +
                   a[2] * (b[0] * c[1] - b[1] * c[0]);
    }
    return sixfold / 6;
}

class ShellObjTest : public ::testing::TestWithParam<ShellCase> {};

TEST_P(ShellObjTest, TheFacesEncloseTheVolumeOfTheDesignFacingOutwards) {
    const SlopeDesignState state = designedSlope(GetParam().shape);
    const ShellFile file = shellObjFile(build3DSurface(state));
    ASSERT_TRUE(file.written());
    const ObjMesh obj = readObj(file.bytes);

    const double expected = closedFormShellVolume(state);
    EXPECT_NEAR(volumeOf(obj), expected, 1e-9 * expected);
}

INSTANTIATE_TEST_SUITE_P(Designs, ShellObjTest, ::testing::ValuesIn(kShellCases));

TEST(ShellObj, RefusesWhatMakesNoSolidButKeepsNarrowLedgesFarOut) {
    const ShellFile low = shellObjFile(build3DSurface(designedSlope({1, 1, 4, 1, 0, 0})));
    EXPECT_EQ(low.refusal, ShellFileRefusal::LidOnTheGround);
    EXPECT_TRUE(low.bytes.empty());

    // Written in doubles, the 0.01 m ledge 2^18 m out keeps its width.
    EXPECT_TRUE(
        shellObjFile(build3DSurface(designedSlope({2, 1, 10, 262144, 0.01, 0.01}))).written());
}

} // namespace
} // namespace pitwright::testing
