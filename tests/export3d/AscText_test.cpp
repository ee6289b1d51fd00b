#include "export3d/AscText.h"
#include "export3d/DesignedSlope.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace pitwright {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// 10 m of slope in one bench of 10 m height and 5 m extent.
SlopeDesignState oneBenchDesign() {
    return designedSlope({1, 1, 10, 5, 0, 0});
}

TEST(AscTextTest, OneBenchShellLineForLine) {
    const std::string expected = "0\t0\t0\t3\t0\r\n"
                                 "-2\t0\t0\t2\t0\r\n"
                                 "-2\t25\t0\t2\t0\r\n"
                                 "0\t25\t0\t2\t0\r\n"
                                 // near end band
                                 "0\t0\t0\t3\t0\r\n"
                                 "5\t0\t-10\t2\t0\r\n"
                                 "-2\t0\t-10\t2\t0\r\n"
                                 "-2\t0\t0\t2\t0\r\n"
                                 // far end band
                                 "5\t25\t-10\t3\t0\r\n"
                                 "0\t25\t0\t2\t0\r\n"
                                 "-2\t25\t0\t2\t0\r\n"
                                 "-2\t25\t-10\t2\t0\r\n"
                                 // bench face
                                 "0\t0\t0\t3\t9\r\n"
                                 "0\t25\t0\t2\t9\r\n"
                                 "5\t25\t-10\t2\t9\r\n"
                                 "5\t0\t-10\t2\t9\r\n"
                                 // bench top, no width at the crest
                                 "5\t0\t-10\t3\t4\r\n"
                                 "5\t25\t-10\t2\t4\r\n"
                                 "5\t25\t-10\t2\t4\r\n"
                                 "5\t0\t-10\t2\t4\r\n"
                                 // ground behind the crest
                                 "5\t0\t-10\t3\t0\r\n"
                                 "5\t25\t-10\t2\t0\r\n"
                                 "7\t25\t-10\t2\t0\r\n"
                                 "7\t0\t-10\t2\t0\r\n"
                                 // wall behind the crest
                                 "7\t0\t-10\t3\t0\r\n"
                                 "7\t25\t-10\t2\t0\r\n"
                                 "7\t25\t-11\t2\t0\r\n"
                                 "7\t0\t-11\t2\t0\r\n"
                                 // near end wall above the crest
                                 "7\t0\t-10\t3\t0\r\n"
                                 "7\t0\t-11\t2\t0\r\n"
                                 "-2\t0\t-11\t2\t0\r\n"
                                 "-2\t0\t-10\t2\t0\r\n"
                                 // far end wall above the crest
                                 "7\t25\t-11\t3\t0\r\n"
                                 "7\t25\t-10\t2\t0\r\n"
                                 "-2\t25\t-10\t2\t0\r\n"
                                 "-2\t25\t-11\t2\t0\r\n"
                                 // wall in the pit
                                 "-2\t0\t0\t3\t1\r\n"
                                 "-2\t0\t-11\t2\t1\r\n"
                                 "-2\t25\t-11\t2\t1\r\n"
                                 "-2\t25\t0\t2\t1\r\n"
                                 // lid
                                 "7\t0\t-11\t3\t1\r\n"
                                 "7\t25\t-11\t2\t1\r\n"
                                 "-2\t25\t-11\t2\t1\r\n"
                                 "-2\t0\t-11\t2\t1\r\n";
    const std::string text = ascText(build3DSurface(oneBenchDesign()));
    EXPECT_EQ(linesOf(text).size(), 44u);
    EXPECT_EQ(text, expected);
}

TEST(AscTextTest, LineStructureForSeveralBenchCounts) {
    for (int n : {0, 1, 3, 7}) {
        const SlopeDesignState state = designedSlope({n, 2, 12.5, 4.330127018922193, 3.2, 8.75});

        const auto lines = linesOf(ascText(build3DSurface(state)));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(16 * n + 28)) << "n = " << n;
        EXPECT_EQ(lines.front(), "0\t0\t0\t3\t0");
        int panelStarts = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
            EXPECT_EQ(line.find(' '), std::string::npos) << line;
            const char vertexCode = line[line.size() - 3];
            EXPECT_EQ(vertexCode, i % 4 == 0 ? '3' : '2') << "line " << i + 1;
            panelStarts += vertexCode == '3';
        }
        EXPECT_EQ(panelStarts, 4 * n + 7);
        for (std::size_t i = lines.size() - 8; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].back(), '1');
        }
    }
}

TEST(AscTextTest, FaceAndTopCodesAndBenchCrestLevels) {
    const SlopeDesignState state = designedSlope({3, 3, 12.5, 5, 4, 0});
    const auto lines = linesOf(ascText(build3DSurface(state)));
    // Bench faces and tops follow the floor and the 2n end bands.
    std::vector<std::string> faceTopLevels;
    for (int i = 0; i < 3; ++i) {
        const std::size_t face = 4 * (1 + 2 * 3 + 2 * static_cast<std::size_t>(i));
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(lines[face + k].back(), '9');
            EXPECT_EQ(lines[face + 4 + k].back(), '4');
        }
        std::istringstream top(lines[face + 4]);
        std::string x, s, z;
        std::getline(top, x, '\t');
        std::getline(top, s, '\t');
        std::getline(top, z, '\t');
        faceTopLevels.push_back(z);
    }
    EXPECT_EQ(faceTopLevels, (std::vector<std::string>{"-12.5", "-25", "-37.5"}));
}

TEST(AscTextTest, FloatsInFifteenDigitsAndNegatedZeroAsZero) {
    SurfaceQuad quad{{{{1.0 / 3, 0, -0.0},
                       {-1234.567890123456, 250, 40.0},
                       {1e15, -25, 0.0001},
                       {123456789012345.6, 3, -0.5}}},
                     SurfaceCode::BenchFace};
    EXPECT_EQ(ascText(std::span(&quad, 1)), "0.333333333333333\t0\t0\t3\t9\r\n"
                                            "-1234.56789012346\t250\t40\t2\t9\r\n"
                                            "1E+15\t-25\t0.0001\t2\t9\r\n"
                                            "123456789012346\t3\t-0.5\t2\t9\r\n");
}

TEST(AscTextTest, AppendsToWhatTheBufferHolds) {
    std::string text = "kept";
    appendAscText({}, text);
    EXPECT_EQ(text, "kept");
    const auto quads = build3DSurface(oneBenchDesign());
    appendAscText(quads, text);
    EXPECT_EQ(text, "kept" + ascText(quads));
}

} // namespace
} // namespace pitwright
