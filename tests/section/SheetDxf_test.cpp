#include "section/SheetDxf.h"
#include "support/FourBenchSheet.h"
#include "support/SteppedWall.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace pitwright {
namespace {

const SheetFrame kFrame{297, 210, 500, {-20, -10}};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the last line has no CR LF";
    return lines;
}

// The values of every group with this code, in order.
std::vector<std::string> valuesOf(const std::string& bytes, int code) {
    const std::vector<std::string> lines = linesOf(bytes);
    std::vector<std::string> values;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        if (std::stoi(lines[i]) == code) {
            values.push_back(lines[i + 1]);
        }
    }
    return values;
}

std::string dxfOf(const std::function<void(SheetDxf&)>& draw) {
    SheetDxf dxf;
    dxf.begin(kFrame);
    draw(dxf);
    dxf.end();
    return dxf.takeBytes();
}

TEST(SheetDxf, NumbersReadBackToTheSameDouble) {
    const std::vector<SheetPoint> points = {
        {0.1 + 0.2, -0.0}, {1e-7, 327670.00000000006}, {-2.5, 1.0 / 3}, {1e21, 5e-324}};
    const std::string bytes = dxfOf([&](SheetDxf& dxf) { dxf.polyline(SheetLayer::Wall, points); });
    const std::vector<std::string> xs = valuesOf(bytes, 10);
    const std::vector<std::string> ys = valuesOf(bytes, 20);
    // After $INSBASE, $EXTMIN, $EXTMAX, $LIMMIN, $LIMMAX and the polyline's own.
    ASSERT_EQ(xs.size(), 6 + points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(std::strtod(xs[6 + i].c_str(), nullptr), points[i].x) << xs[6 + i];
        EXPECT_EQ(std::strtod(ys[6 + i].c_str(), nullptr), points[i].y) << ys[6 + i];
    }
    EXPECT_EQ(xs[6], "0.30000000000000004");
    EXPECT_EQ(ys[6], "0"); // never "-0"
    EXPECT_EQ(xs[7], "1e-07");
}

TEST(SheetDxf, KeepsEveryTextOnOneLineOfTheCodePage) {
    auto written = [](std::string_view text) {
        const std::string bytes = dxfOf([&](SheetDxf& dxf) {
            dxf.text(SheetLayer::Text,
                     SheetText{{0, 0}, 1, 0, TextAlign::Left, TextBaseline::Baseline, text});
        });
        const std::vector<std::string> values = valuesOf(bytes, 1);
        return values.size() > 1 ? values.back() : std::string("(none)");
    };
    EXPECT_EQ(written("75\xC2\xB0"), "75%%d");
    EXPECT_EQ(written("B\xC3\xA9nch \xC2\xB1"), "B\xE9nch \xB1");
    EXPECT_EQ(written("\xE2\x82\xAC 5"), "\\U+20AC 5");
    EXPECT_EQ(written("two\r\nlines\tand\x7F"), "two  lines and ");
    EXPECT_EQ(written("50%"), "50%");
    EXPECT_EQ(written("%%d"), "%%%%d");
    EXPECT_EQ(written("5%\xC2\xB0"), "5%%%%%d");
    EXPECT_EQ(written("bad \xC3 \xFF \xED\xA0\x80 \xF4\x90\x80\x80"), "bad ? ? ? ?");
    EXPECT_EQ(written("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(written(""), "(none)");
}

std::filesystem::path goldenFile(const char* name) {
    return std::filesystem::path(PITWRIGHT_GOLDEN_DIR) / name;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(SheetDxf, TheFourBenchWallIsItsGoldenFile) {
    testing::FourBenchSheet four;
    SheetDxf dxf;
    ASSERT_EQ(drawSectionSheet(four.input, dxf), SheetVerdict::Drawn);
    const std::filesystem::path golden = goldenFile("four-bench-wall.dxf");
    if (std::getenv("PITWRIGHT_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << dxf.bytes();
    }
    EXPECT_TRUE(dxf.bytes() == readFile(golden))
        << "differs from " << golden << "; PITWRIGHT_UPDATE_GOLDEN=1 writes it anew";
}

// Writes the sheet's DXF and its expected wall, and has ezdxf check them.
void expectReaderAgrees(const SectionSheetInput& input, const std::string& name,
                        const std::vector<std::string>& used,
                        const std::vector<std::string>& texts) {
    SheetDxf dxf;
    ASSERT_EQ(drawSectionSheet(input, dxf), SheetVerdict::Drawn);
    const std::filesystem::path folder = ::testing::TempDir();
    const std::filesystem::path drawing = folder / (name + ".dxf");
    const std::filesystem::path wall = folder / (name + ".wall");
    std::ofstream(drawing, std::ios::binary) << dxf.bytes();
    {
        std::ofstream points(wall);
        const DrawnSection& s = input.section;
        for (std::size_t row = 0; row < s.profileX.rows(); ++row) {
            for (std::size_t column = 0; column < 2; ++column) {
                std::array<char, 64> x{}, y{};
                *std::to_chars(x.data(), x.data() + 63, s.profileX(row, column)).ptr = 0;
                *std::to_chars(y.data(), y.data() + 63, s.profileY(row, column)).ptr = 0;
                points << x.data() << ' ' << y.data() << '\n';
            }
        }
    }
    std::string command = "/usr/bin/python3 '" PITWRIGHT_CHECK_DXF "' '" + drawing.string() +
                          "' '" + wall.string() + "'";
    command += " --used";
    for (const std::string& layer : used) {
        command += " " + layer;
    }
    command += " --text";
    for (const std::string& text : texts) {
        command += " '" + text + "'";
    }
    command += " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 512> chunk{};
    while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe)) {
        output += chunk.data();
    }
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << name << ":\n" << output;
}

TEST(SheetDxf, AnIndependentReaderFindsNoFault) {
    const std::vector<std::string> everyLayer = {"wall",       "faces", "ledges", "ground",
                                                 "dimensions", "text",  "frame"};
    testing::FourBenchSheet four;
    expectReaderAgrees(four.input, "four-bench-wall", everyLayer,
                       {"63.4\xC2\xB0", "crest-to-toe 49.6\xC2\xB0", "34 m", "Pit wall section"});

    // Letters of the code page read back as themselves; others as the
    // escape a release 12 reader leaves.
    four.input.title = "Coupe B\xC3\xA9nch 50% \xC2\xB1 \xE2\x82\xAC";
    four.input.section.convention = InterRampConvention::ToeToToe;
    expectReaderAgrees(four.input, "toe-to-toe", everyLayer,
                       {"42 m", "Coupe B\xC3\xA9nch 50% \xC2\xB1 \\U+20AC"});

    const auto one = testing::steppedWall(1);
    expectReaderAgrees({drawnSectionOf(*one, InterRampConvention::CrestToToe), "", {}}, "one-bench",
                       {"wall", "faces", "ground", "dimensions", "text"}, {});
    for (int n : {100, 1000}) {
        const auto wall = testing::steppedWall(n);
        std::vector<std::string> layers = everyLayer;
        layers.push_back("detail");
        expectReaderAgrees({drawnSectionOf(*wall, InterRampConvention::CrestToToe), "", {}},
                           "wall-" + std::to_string(n), layers, {});
    }
}

} // namespace
} // namespace pitwright
