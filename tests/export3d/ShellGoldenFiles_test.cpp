// One small design's DXF, OBJ and STL files, byte for byte. After a
// deliberate change of a writer, run this test with PITWRIGHT_UPDATE_GOLDEN=1
// to write the new files over the stored ones, and review the difference.
#include "export3d/DesignedSlope.h"
#include "export3d/ShellDxf.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellStl.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace pitwright {
namespace {

const std::string kGoldenFolder = PITWRIGHT_EXPORT3D_TESTS "/golden/";

std::string storedBytes(const std::string& name) {
    std::ifstream in(kGoldenFolder + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "no golden file " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void expectGolden(const std::string& name, const ShellFile& file) {
    ASSERT_TRUE(file.written()) << name;
    const char* update = std::getenv("PITWRIGHT_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(kGoldenFolder + name, std::ios::binary) << file.bytes;
    }
    const std::string stored = storedBytes(name);
    EXPECT_EQ(file.bytes.size(), stored.size()) << name;
    EXPECT_TRUE(file.bytes == stored) << name << " differs from the golden file";
}

// Three 10 m benches at 75 degrees, a 3.5 m step out and an 8.25 m berm.
std::vector<SurfaceQuad> threeBenchShell() {
    return build3DSurface(designedSlope({3, 2, 10, 2.679491924311227, 3.5, 8.25}));
}

TEST(ShellGoldenFiles, Dxf) {
    expectGolden("three-benches.dxf", shellDxfFile(threeBenchShell()));
}

TEST(ShellGoldenFiles, Obj) {
    expectGolden("three-benches.obj", shellObjFile(threeBenchShell()));
}

TEST(ShellGoldenFiles, Stl) {
    expectGolden("three-benches.stl", shellStlFile(threeBenchShell()));
}

} // namespace
} // namespace pitwright
