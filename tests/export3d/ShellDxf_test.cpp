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

// The faces and their corners are read back by ezdxf among the tests of
// the external readers.
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

TEST(ShellDxfTest, RefusesACoordinateBeyondTheDoubleRange) {
    auto panels = build3DSurface(designedSlope({1, 1, 10, 5, 0, 0}));
    panels[2].corners[1].x = std::numeric_limits<double>::infinity();
    const ShellFile file = shellDxfFile(panels);
    EXPECT_EQ(file.refusal, ShellFileRefusal::DimensionTooLarge);
    EXPECT_TRUE(file.bytes.empty());
}

} // namespace
} // namespace pitwright
