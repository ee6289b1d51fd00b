#include "export3d/DesignedSlope.h"
#include "export3d/ShellDxf.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>
#include <string>
#include <vector>

namespace pitwright {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

double numberOf(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

TEST(ShellDxfTest, ARelease12FileOfCodeAndValuePairs) {
    const auto panels = build3DSurface(designedSlope({3, 1, 10, 5, 2, 2}));
    const ShellFile file = shellDxfFile(panels);
    ASSERT_TRUE(file.written());
    const auto lines = linesOf(file.bytes);
    ASSERT_EQ(lines.size() % 2, 0u);
    const std::vector<std::string> opening(lines.begin(), lines.begin() + 8);
    EXPECT_EQ(opening, (std::vector<std::string>{"0", "SECTION", "2", "HEADER", "9", "$ACADVER",
                                                 "1", "AC1009"}));
    const std::vector<std::string> closing(lines.end() - 4, lines.end());
    EXPECT_EQ(closing, (std::vector<std::string>{"0", "ENDSEC", "0", "EOF"}));
    for (std::size_t k = 0; k < lines.size(); k += 2) {
        int code = -1;
        const std::string& text = lines[k];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
        EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size() && code >= 0)
            << "line " << k + 1 << ": " << text;
    }
}

// Each face: "0 3DFACE", "8 layer", then twelve coordinate pairs.
TEST(ShellDxfTest, OneFacePerPanelOnItsLayerWithThePanelsCornersExactly) {
    // Widths with every digit, so that the corners need full precision.
    const auto panels = build3DSurface(designedSlope({6, 3, 15, 8.660254037844387, 3.5, 12.25}));
    const auto lines = linesOf(shellDxfFile(panels).bytes);
    std::size_t k = 0;
    while (k < lines.size() && !(lines[k] == "2" && lines[k + 1] == "ENTITIES")) {
        k += 2;
    }
    k += 2;
    std::size_t faces = 0;
    for (; k + 1 < lines.size() && lines[k + 1] == "3DFACE"; k += 28, ++faces) {
        ASSERT_LT(faces, panels.size());
        const SurfaceQuad& panel = panels[faces];
        EXPECT_EQ(lines[k + 2], "8");
        EXPECT_EQ(lines[k + 3], dxfLayerName(panel.surfaceCode));
        for (std::size_t c = 0; c < 4; ++c) {
            const std::size_t at = k + 4 + 6 * c;
            EXPECT_EQ(lines[at], std::to_string(10 + c));
            EXPECT_EQ(lines[at + 2], std::to_string(20 + c));
            EXPECT_EQ(lines[at + 4], std::to_string(30 + c));
            EXPECT_EQ(numberOf(lines[at + 1]), panel.corners[c].x);
            EXPECT_EQ(numberOf(lines[at + 3]), panel.corners[c].s);
            EXPECT_EQ(numberOf(lines[at + 5]), panel.corners[c].z);
        }
    }
    EXPECT_EQ(faces, 4u * 6 + 7);
    EXPECT_EQ(lines[k + 1], "ENDSEC");
}

TEST(ShellDxfTest, LayersNameTheSurfaces) {
    EXPECT_EQ(dxfLayerName(SurfaceCode::BenchFace), "BENCH_FACES");
    EXPECT_EQ(dxfLayerName(SurfaceCode::BenchTop), "BENCH_TOPS");
    EXPECT_EQ(dxfLayerName(SurfaceCode::PitWallLid), "PIT_WALL_AND_LID");
    EXPECT_EQ(dxfLayerName(SurfaceCode::Other), "FLOOR_ENDS_AND_GROUND");
}

TEST(ShellDxfTest, RefusesACoordinateBeyondTheDoubleRange) {
    auto panels = build3DSurface(designedSlope({1, 1, 10, 5, 0, 0}));
    panels[2].corners[1].x = std::numeric_limits<double>::infinity();
    const ShellFile file = shellDxfFile(panels);
    EXPECT_EQ(file.refusal, ShellRefusal::DimensionTooLarge);
    EXPECT_TRUE(file.bytes.empty());
}

} // namespace
} // namespace pitwright
