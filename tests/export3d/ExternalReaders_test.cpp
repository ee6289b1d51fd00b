// Every exported file goes through an independent reader from the system's
// packages: ezdxf audits the drawing, admesh checks the STL solid and
// assimp imports the OBJ mesh. The tools are installed with the build's
// dependencies; a missing one fails these tests.
#include "export3d/ShellDesigns.h"
#include "export3d/ShellDxf.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellStl.h"
#include "export3d/ShellVolume.h"
#include "export3d/Surface3D.h"
#include "support/ScratchFolders.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace pitwright::testing {
namespace {

struct CommandResult {
    int exitCode = -1;
    std::string output; // standard output and error together
};

CommandResult run(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, got);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A folder of its own for each test, removed afterwards.
class ExportedFiles : public ::testing::TestWithParam<ShellCase> {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder_.file(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    TempFolder folder_;
};

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

double numberOf(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

TEST_P(ExportedFiles, EzdxfAuditsTheDrawingCleanAndReadsEveryCornerBack) {
    const auto panels = build3DSurface(designedSlope(GetParam().shape));
    const ShellFile dxf = shellDxfFile(panels);
    ASSERT_TRUE(dxf.written());
    const std::string path = write("shell.dxf", dxf.bytes);

    const CommandResult read =
        run("/usr/bin/python3 " PITWRIGHT_EXPORT3D_TESTS "/read_dxf.py " + path);
    ASSERT_EQ(read.exitCode, 0) << read.output;
    std::map<std::string, std::string> facts;
    std::vector<std::string> layers;
    std::size_t faces = 0;
    std::istringstream lines(read.output);
    for (std::string line; std::getline(lines, line);) {
        const auto words = wordsOf(line);
        ASSERT_FALSE(words.empty());
        if (words[0] == "layer") {
            layers.push_back(words.at(1));
        } else if (words[0] == "face") {
            ASSERT_LT(faces, panels.size());
            ASSERT_EQ(words.size(), 14u) << line;
            const SurfaceQuad& panel = panels[faces++];
            EXPECT_EQ(words[1], dxfLayerName(panel.surfaceCode));
            for (std::size_t c = 0; c < 4; ++c) {
                EXPECT_EQ(numberOf(words[2 + 3 * c]), panel.corners[c].x) << line;
                EXPECT_EQ(numberOf(words[3 + 3 * c]), panel.corners[c].s) << line;
                EXPECT_EQ(numberOf(words[4 + 3 * c]), panel.corners[c].z) << line;
            }
        } else if (words.size() == 2) {
            facts[words[0]] = words[1];
        } else {
            ADD_FAILURE() << line;
        }
    }
    EXPECT_EQ(facts["release"], "AC1009");
    EXPECT_EQ(facts["errors"], "0") << read.output;
    EXPECT_EQ(facts["fixes"], "0") << read.output;
    EXPECT_EQ(faces, 4 * static_cast<std::size_t>(GetParam().shape.benches) + 7);
    for (const char* layer :
         {"BENCH_FACES", "BENCH_TOPS", "PIT_WALL_AND_LID", "FLOOR_ENDS_AND_GROUND"}) {
        EXPECT_NE(std::find(layers.begin(), layers.end(), layer), layers.end()) << layer;
    }
}

// admesh reports "Label : number" pairs, sometimes two on a line.
double admeshFigure(const std::string& report, const std::string& label) {
    const std::size_t at = report.find(label + " ");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no \"" << label << "\" in\n" << report;
        return -1;
    }
    const std::size_t colon = report.find(':', at);
    return std::stod(report.substr(colon + 1));
}

double signedVolumeOfStl(const std::string& stl) {
    const auto floatAt = [&](std::size_t at) {
        std::uint32_t bits = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            bits |= std::uint32_t{static_cast<unsigned char>(stl[at + k])} << (8 * k);
        }
        return static_cast<double>(std::bit_cast<float>(bits));
    };
    double sixfold = 0;
    for (std::size_t at = 84; at + 50 <= stl.size(); at += 50) {
        double v[3][3];
        for (std::size_t k = 0; k < 9; ++k) {
            v[k / 3][k % 3] = floatAt(at + 12 + 4 * k);
        }
        sixfold += v[0][0] * (v[1][1] * v[2][2] - v[1][2] * v[2][1]) +
                   v[0][1] * (v[1][2] * v[2][0] - v[1][0] * v[2][2]) +
                   v[0][2] * (v[1][0] * v[2][1] - v[1][1] * v[2][0]);
    }
    return sixfold / 6;
}

TEST_P(ExportedFiles, AdmeshFindsNothingToFixInTheStl) {
    const SlopeDesignState state = designedSlope(GetParam().shape);
    const auto panels = build3DSurface(state);
    const ShellFile stl = shellStlFile(panels);
    ASSERT_TRUE(stl.written());
    const std::string path = write("shell.stl", stl.bytes);

    const CommandResult report = run("admesh " + path);
    ASSERT_EQ(report.exitCode, 0) << report.output;
    const auto& out = report.output;
    const double facets = static_cast<double>(buildWatertightMesh(panels).mesh.triangles.size());
    EXPECT_EQ(admeshFigure(out, "Number of facets"), facets);
    EXPECT_EQ(admeshFigure(out, "Number of parts"), 1);
    EXPECT_EQ(admeshFigure(out, "Total disconnected facets"), 0);
    for (const char* label : {"Degenerate facets", "Edges fixed", "Facets removed", "Facets added",
                              "Facets reversed", "Backwards edges", "Normals fixed"}) {
        EXPECT_EQ(admeshFigure(out, label), 0) << label << "\n" << out;
    }
    // admesh turns an inward solid round without a word, so the sign is
    // checked here.
    const double expected = closedFormShellVolume(state);
    EXPECT_GT(signedVolumeOfStl(stl.bytes), 0);
    EXPECT_NEAR(admeshFigure(out, "Volume"), expected, 1e-4 * expected);
}

TEST_P(ExportedFiles, AssimpImportsTheObjWithEveryTriangle) {
    const auto panels = build3DSurface(designedSlope(GetParam().shape));
    const ShellFile obj = shellObjFile(panels);
    ASSERT_TRUE(obj.written());
    const std::string path = write("shell.obj", obj.bytes);

    const CommandResult info = run("assimp info " + path);
    ASSERT_EQ(info.exitCode, 0) << info.output;
    const WatertightMesh mesh = buildWatertightMesh(panels).mesh;
    std::map<std::string, std::string> figures;
    std::istringstream lines(info.output);
    for (std::string line; std::getline(lines, line);) {
        const auto words = wordsOf(line);
        if (words.size() == 2 && words[0].back() == ':') {
            figures[words[0]] = words[1];
        }
    }
    EXPECT_EQ(figures["Meshes:"], "1") << info.output;
    EXPECT_EQ(figures["Faces:"], std::to_string(mesh.triangles.size())) << info.output;
    EXPECT_EQ(figures["Vertices:"], std::to_string(mesh.vertices.size())) << info.output;
    EXPECT_NE(info.output.find("Primitive Types:    triangles\n"), std::string::npos)
        << info.output;
}

INSTANTIATE_TEST_SUITE_P(Designs, ExportedFiles, ::testing::ValuesIn(kShellCases));

} // namespace
} // namespace pitwright::testing
