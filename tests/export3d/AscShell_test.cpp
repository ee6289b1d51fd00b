#include "export3d/AscShell.h"
#include "export3d/AscText.h"
#include "export3d/DesignedSlope.h"
#include "export3d/ShellRefusal.h"
#include "export3d/Surface3D.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace pitwright {
namespace {

std::string panelText(const SlopeDesignState& state) {
    return ascText(build3DSurface(state));
}

void expectSameTextAsThePanels(const SlopeDesignState& state, const std::string& what) {
    const AscShell shell(state);
    const std::string expected = panelText(state);
    EXPECT_EQ(shell.size(), expected.size()) << what;
    EXPECT_EQ(shell.lineCount(),
              static_cast<std::size_t>(std::count(expected.begin(), expected.end(), '\n')))
        << what;
    const std::string text = shell.text();
    if (text != expected) {
        // The first differing line tells more than two long texts.
        const auto [mine, theirs] =
            std::mismatch(text.begin(), text.end(), expected.begin(), expected.end());
        const auto offset = static_cast<std::size_t>(mine - text.begin());
        const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
        const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
        ADD_FAILURE() << what << ": differs at byte " << offset << ", line starting\n"
                      << text.substr(from, 80) << "\ninstead of\n"
                      << expected.substr(from, 80);
    }
}

// A profile of n benches filled with the given values, as a test may leave
// it; the slope height gives the shell its size.
SlopeDesignState profileOf(int n, double slopeHeight, const auto& nextValue) {
    SlopeDesignState state;
    state.numberOfBenches = static_cast<std::int16_t>(n);
    state.slopeHeight = slopeHeight;
    state.profileX.assignZeros(static_cast<std::size_t>(n) + 1);
    state.profileY.assignZeros(static_cast<std::size_t>(n) + 1);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(n); ++i) {
        for (std::size_t c = 0; c < 2; ++c) {
            state.profileX(i, c) = nextValue();
            state.profileY(i, c) = nextValue();
        }
    }
    return state;
}

TEST(AscShellTest, SameBytesAsThePanelsForRandomDesigns) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> benches(0, 200);
    std::uniform_int_distribution<int> perStack(1, 9);
    std::uniform_real_distribution<double> height(0.1, 30);
    std::uniform_real_distribution<double> width(-0.02, 25); // some clamped to 0
    for (int design = 0; design < 300; ++design) {
        const SlopeShape shape{benches(random), perStack(random), height(random),
                               width(random),   width(random),    width(random)};
        expectSameTextAsThePanels(designedSlope(shape), "design " + std::to_string(design));
    }
}

TEST(AscShellTest, SameBytesForTheGoldenDesignsAndEdgeShapes) {
    for (const SlopeShape& shape : {
             SlopeShape{0, 1, 10, 5, 0, 0},                        // the toe alone
             SlopeShape{1, 1, 10, 5, 0, 0},                        // one bench
             SlopeShape{7, 2, 12.5, 4.330127018922193, 3.2, 8.75}, // berms and step outs
             SlopeShape{6, 3, 15, 8.660254037844387, 3.5, 1.25},   // berms narrower
             SlopeShape{4, 2, 10, 0.009, 0.01, -5},                // clamped widths
             SlopeShape{5, 1, 1e-5, 1e-6, 3e-5, 2e-7},             // exponent forms
             SlopeShape{3, 1, 4000, 1e15, 3e14, 7.5e14},           // beyond 15 digits
         }) {
        expectSameTextAsThePanels(designedSlope(shape), "benches " + std::to_string(shape.benches));
    }
}

TEST(AscShellTest, SameBytesForProfilesOfAnyValues) {
    // Any finite double, negative and huge ones included, and a ledge end
    // whose level differs from its face top's, as an edited profile may hold.
    std::mt19937_64 random(9);
    auto anyFinite = [&random] {
        double x = 0;
        do {
            x = std::bit_cast<double>(random());
        } while (!std::isfinite(x));
        return x;
    };
    std::uniform_real_distribution<double> metres(-5000, 5000);
    for (int design = 0; design < 40; ++design) {
        const int n = std::uniform_int_distribution<int>(0, 30)(random);
        expectSameTextAsThePanels(profileOf(n, metres(random), anyFinite),
                                  "any doubles " + std::to_string(design));
        expectSameTextAsThePanels(profileOf(n, metres(random), [&] { return metres(random); }),
                                  "metres " + std::to_string(design));
    }
    // Zeros of both signs, infinities and NaN (which the window refuses
    // to write, but the text still has a defined form).
    const double specials[] = {0.0,
                               -0.0,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::nan(""),
                               1e-300};
    std::size_t k = 0;
    expectSameTextAsThePanels(profileOf(5, 40, [&] { return specials[k++ % std::size(specials)]; }),
                              "specials");
}

TEST(AscShellTest, TheLargestDesignHasTheSameBytes) {
    SlopeDesignState state =
        designedSlope({32767, 7, 0.4, 0.4 / 3.7320508075688772, 0.13, 0.7071067811865476});
    state.slopeHeight = 13106.8;
    ASSERT_FALSE(shellRefusalFor(state).has_value());
    expectSameTextAsThePanels(state, "32,767 benches");
    EXPECT_EQ(AscShell(state).lineCount(), 16u * 32767 + 28);
}

TEST(AscShellTest, NoTextWhereThereIsNoShell) {
    SlopeDesignState state = designedSlope({3, 1, 10, 5, 2, 2});
    state.slopeHeight = 13107; // a strike length beyond 16 bits
    EXPECT_EQ(AscShell(state).size(), 0u);
    state.slopeHeight = 30;
    state.numberOfBenches = 4; // more than the profile has
    EXPECT_EQ(AscShell(state).lineCount(), 0u);
    EXPECT_EQ(AscShell(SlopeDesignState{}).text(), "");

    int calls = 0;
    EXPECT_TRUE(
        AscShell(state).forEachBlock(1024, [&](std::string_view) { return ++calls, true; }));
    EXPECT_EQ(calls, 0);

    state.numberOfBenches = 2; // fewer: the first rows make the shell
    expectSameTextAsThePanels(state, "fewer benches");
}

TEST(AscShellTest, KeepsItsTextWhenTheStateChangesAfterwards) {
    SlopeDesignState state = designedSlope({4, 2, 10, 5, 3, 8});
    const AscShell shell(state);
    const std::string before = panelText(state);
    state.profileX(2, 1) = 1234.5;
    state.slopeHeight = 90;
    EXPECT_EQ(shell.text(), before);
}

TEST(AscShellTest, BlocksEndAtLineEndsAndMakeUpTheText) {
    const SlopeDesignState state = designedSlope({300, 5, 0.4, 0.10717967697244908, 0.13, 0.71});
    const AscShell shell(state);
    const std::string text = shell.text();
    for (std::size_t blockBytes :
         {std::size_t{0}, std::size_t{1000}, std::size_t{4096}, std::size_t{5000},
          std::size_t{65536}, text.size(), std::size_t{1} << 30}) {
        std::string joined;
        std::size_t blocks = 0;
        EXPECT_TRUE(shell.forEachBlock(blockBytes, [&](std::string_view block) {
            EXPECT_FALSE(block.empty());
            EXPECT_TRUE(block.ends_with("\r\n"));
            if (blockBytes >= AscShell::kSmallestBlockBytes) {
                EXPECT_LE(block.size(), blockBytes);
            }
            joined += block;
            ++blocks;
            return true;
        }));
        EXPECT_EQ(joined, text) << "blocks of " << blockBytes;
        if (blockBytes >= text.size()) {
            EXPECT_EQ(blocks, 1u);
        } else if (blockBytes >= 4096) {
            // Full blocks, but for the room a panel needs.
            EXPECT_LE(blocks, text.size() / (blockBytes - 512) + 1);
        }
    }
}

TEST(AscShellTest, ARefusedBlockStopsTheText) {
    const AscShell shell(designedSlope({300, 5, 0.4, 0.1, 0.13, 0.71}));
    int calls = 0;
    EXPECT_FALSE(shell.forEachBlock(4096, [&](std::string_view) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}

TEST(AscShellTest, PreviewShowsTheFirstWholeLinesWithinTheLimit) {
    const AscShell shell(designedSlope({200, 5, 0.4, 0.10717967697244908, 0.13, 0.71}));
    const std::string text = shell.text();
    for (std::size_t maxBytes : {0, 10, 11, 12, 1000, 16 * 1024}) {
        const AscPreview preview = shell.preview(maxBytes);
        const std::size_t cut = text.rfind("\r\n", maxBytes < 2 ? 0 : maxBytes - 2);
        const std::size_t expected = cut == std::string::npos || maxBytes < 2 ? 0 : cut + 2;
        EXPECT_EQ(preview.lines, text.substr(0, expected)) << "within " << maxBytes;
        EXPECT_EQ(preview.linesLeft,
                  static_cast<std::size_t>(
                      std::count(text.begin() + static_cast<long>(expected), text.end(), '\n')));
    }
    const AscPreview whole = shell.preview(text.size());
    EXPECT_EQ(whole.lines, text);
    EXPECT_EQ(whole.linesLeft, 0u);
}

} // namespace
} // namespace pitwright
