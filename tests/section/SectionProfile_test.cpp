#include "section/SectionProfile.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

SlopeDesignState design(int benches, int perStack, int berms, double benchHeight,
                        double benchExtent, double stepOut, double berm) {
    SlopeDesignState s;
    s.numberOfBenches = static_cast<std::int16_t>(benches);
    s.benchesPerStack = static_cast<std::int16_t>(perStack);
    s.numberOfBerms = static_cast<std::int16_t>(berms);
    s.benchHeight = benchHeight;
    s.benchHorizontalExtent = benchExtent;
    s.stepOutWidth = stepOut;
    s.bermWidth = berm;
    return s;
}

void expectRows(const SlopeDesignState& s, std::initializer_list<std::array<double, 3>> rows) {
    ASSERT_EQ(s.profileX.rows(), rows.size());
    std::size_t i = 0;
    for (const auto& [x0, x1, y] : rows) {
        EXPECT_DOUBLE_EQ(s.profileX(i, 0), x0) << "row " << i;
        EXPECT_DOUBLE_EQ(s.profileX(i, 1), x1) << "row " << i;
        EXPECT_DOUBLE_EQ(s.profileY(i, 0), y) << "row " << i;
        EXPECT_DOUBLE_EQ(s.profileY(i, 1), y) << "row " << i;
        ++i;
    }
}

// The closed form of the whole wall's horizontal extent.
double closedFormExtent(const SlopeDesignState& s) {
    const int n = s.numberOfBenches;
    int widened = 0;
    for (int j = 1; j <= s.numberOfBerms + 1; ++j) {
        if (j * s.benchesPerStack <= n - 1) {
            ++widened;
        }
    }
    return n * s.benchHorizontalExtent + (n - 1) * s.stepOutWidth +
           widened * (s.bermWidth - s.stepOutWidth);
}

TEST(SectionProfile, TracesTheWorkedExample) {
    SlopeDesignState s = design(4, 2, 1, 10, 5, 3, 8);
    ASSERT_TRUE(buildSectionProfile(s));
    expectRows(s, {{0, 0, 0}, {5, 8, 10}, {13, 21, 20}, {26, 29, 30}, {34, 34, 40}});
}

TEST(SectionProfile, ASingleBenchIsOneFaceBetweenToeAndCrest) {
    SlopeDesignState s = design(1, 1, 0, 10, 5, 0, 0);
    ASSERT_TRUE(buildSectionProfile(s));
    expectRows(s, {{0, 0, 0}, {5, 5, 10}});
}

TEST(SectionProfile, NoBenchesLeavesTheToeAlone) {
    SlopeDesignState s = design(0, 3, 0, 10, 5, 3, 8);
    ASSERT_TRUE(buildSectionProfile(s));
    expectRows(s, {{0, 0, 0}});
}

TEST(SectionProfile, ClampsWidthsBelowOneCentimetreForGood) {
    SlopeDesignState s = design(4, 2, 1, 10, 0.009, 0.01, -5);
    ASSERT_TRUE(buildSectionProfile(s));
    EXPECT_EQ(s.benchHorizontalExtent, 0);
    EXPECT_EQ(s.stepOutWidth, 0.01);
    EXPECT_EQ(s.bermWidth, 0);
    EXPECT_DOUBLE_EQ(s.profileX(4, 0), closedFormExtent(s));
}

TEST(SectionProfile, BermNarrowerThanStepOutPullsLaterPointsBack) {
    SlopeDesignState s = design(4, 2, 1, 10, 5, 3, 1);
    ASSERT_TRUE(buildSectionProfile(s));
    EXPECT_DOUBLE_EQ(s.profileX(2, 1) - s.profileX(2, 0), 1);
    EXPECT_DOUBLE_EQ(s.profileX(4, 0), 4 * 5 + 3 * 3 - 2); // 2 m short of equal ledges
}

TEST(SectionProfile, WidensEachBermPositionOnceWhateverTheBermCount) {
    // More berms than stacks less one: each multiple of benchesPerStack below
    // the top still gets exactly one widening.
    SlopeDesignState many = design(7, 2, 10, 10, 5, 3, 8);
    ASSERT_TRUE(buildSectionProfile(many));
    for (std::size_t i = 1; i < 7; ++i) {
        const double ledge = many.profileX(i, 1) - many.profileX(i, 0);
        EXPECT_DOUBLE_EQ(ledge, i % 2 == 0 ? 8 : 3) << "ledge " << i;
    }
    // Fewer berms leave the higher multiples as step outs.
    SlopeDesignState few = design(7, 2, 0, 10, 5, 3, 8);
    ASSERT_TRUE(buildSectionProfile(few));
    EXPECT_DOUBLE_EQ(few.profileX(2, 1) - few.profileX(2, 0), 8);
    EXPECT_DOUBLE_EQ(few.profileX(4, 1) - few.profileX(4, 0), 3);
    // A stack taller than the slope widens nothing.
    SlopeDesignState tall = design(3, 5, 1, 10, 5, 3, 8);
    ASSERT_TRUE(buildSectionProfile(tall));
    EXPECT_DOUBLE_EQ(tall.profileX(3, 0), 3 * 5 + 2 * 3);
}

TEST(SectionProfile, MatchesTheClosedFormAndDoesNotAccumulate) {
    SlopeDesignState s = design(300, 7, 42, 12.5, 2.68, 3.87, 19.31);
    ASSERT_TRUE(buildSectionProfile(s));
    const PointRows first = s.profileX;
    EXPECT_NEAR(s.profileX(300, 0), closedFormExtent(s), 1e-9);
    EXPECT_DOUBLE_EQ(s.profileY(300, 1), 300 * 12.5);
    ASSERT_TRUE(buildSectionProfile(s));
    EXPECT_EQ(s.profileX, first);
}

TEST(SectionProfile, RefusesDesignsOutsideTheDataModel) {
    SlopeDesignState negative = design(-1, 2, 0, 10, 5, 3, 8);
    EXPECT_FALSE(buildSectionProfile(negative));
    EXPECT_TRUE(negative.profileX.empty());
    SlopeDesignState noStacks = design(4, 0, 1, 10, 5, 3, 8);
    EXPECT_FALSE(buildSectionProfile(noStacks));
    SlopeDesignState negativeStacks = design(4, -2, 1, 10, 5, 3, 8);
    EXPECT_FALSE(buildSectionProfile(negativeStacks));
}

TEST(SectionProfile, HandlesTheLargestCountsWithoutOverflow) {
    SlopeDesignState s = design(32767, 32767, 32767, 1, 1, 1, 2);
    ASSERT_TRUE(buildSectionProfile(s));
    EXPECT_DOUBLE_EQ(s.profileX(32767, 0), 32767 + 32766);
}

} // namespace
} // namespace pitwright
