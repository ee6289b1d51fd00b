#include "model/Angles.h"
#include "section/SectionMeasures.h"
#include "section/SectionProfile.h"
#include "support/FourBenchWall.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pitwright {
namespace {

double degreesOf(double run, double rise) {
    return std::atan(rise / run) * 180 / kPi;
}

SlopeDesignState built(SlopeDesignState s) {
    buildSectionProfile(s);
    return s;
}

TEST(SectionMeasures, MeasuresTheFourBenchWallWhereTheSheetDimensionsIt) {
    const SlopeDesignState s = built(testing::fourBenchWall());
    const SectionMeasures m = measureSection(drawnSectionOf(s, InterRampConvention::CrestToToe));

    EXPECT_EQ(m.benchHeight, 10);
    EXPECT_DOUBLE_EQ(m.benchFaceAngle, degreesOf(5, 10));
    ASSERT_TRUE(m.stepOut && m.berm);
    EXPECT_EQ(m.stepOut->row, 1);
    EXPECT_EQ(m.stepOut->width, 3);
    EXPECT_EQ(m.berm->row, 2);
    EXPECT_EQ(m.berm->width, 8);
    EXPECT_EQ(m.stackTopRow, 2);
    EXPECT_EQ(m.stackHeight, 20);
    EXPECT_DOUBLE_EQ(m.stackAngle, degreesOf(13, 20));
    EXPECT_EQ(m.overallHeight, 40);
    EXPECT_EQ(m.overallHorizontal, 34);
    EXPECT_DOUBLE_EQ(m.crestToToeAngle, degreesOf(34, 40));
    // From the toe to the far end of the berm, (21, 20), and on to the
    // crest's level: one berm beyond the crest.
    ASSERT_TRUE(m.toeToToe);
    EXPECT_EQ(m.toeToToe->topStackToeRow, 2);
    EXPECT_DOUBLE_EQ(m.toeToToe->angle, degreesOf(21, 20));
    EXPECT_EQ(m.toeToToe->horizontal, 42);
}

TEST(SectionMeasures, MeasuresTheProfileNotTheDesignRecord) {
    // The widths the profile clamped to 0 are measured as 0, and a record
    // edited after the drawing changes nothing measured.
    SlopeDesignState s = testing::fourBenchWall();
    s.stepOutWidth = 0.009;
    s.benchHorizontalExtent = 0.005;
    buildSectionProfile(s);
    s.stepOutWidth = 3;
    s.benchHeight = 12;
    s.benchHorizontalExtent = 5;
    const SectionMeasures m = measureSection(drawnSectionOf(s, InterRampConvention::CrestToToe));
    EXPECT_EQ(m.stepOut->width, 0);
    EXPECT_EQ(m.benchHeight, 10);
    EXPECT_NEAR(m.benchFaceAngle, 90, 1e-9);
    EXPECT_EQ(m.berm->width, 8);
    EXPECT_EQ(m.overallHorizontal, 8);
}

TEST(SectionMeasures, FindsTheLedgesThatAreThere) {
    // One stack: step outs but no berm, so no toe-to-toe line.
    SlopeDesignState single = testing::fourBenchWall();
    single.benchesPerStack = 4;
    single.numberOfBerms = 0;
    const SectionMeasures one =
        measureSection(drawnSectionOf(built(single), InterRampConvention::ToeToToe));
    EXPECT_TRUE(one.stepOut);
    EXPECT_FALSE(one.berm);
    EXPECT_FALSE(one.toeToToe);
    EXPECT_EQ(one.stackTopRow, 4);
    EXPECT_EQ(one.stackAngle, one.crestToToeAngle);

    // One bench a stack: every ledge a berm, the top stack's toe on bench 3.
    SlopeDesignState benchStacks = testing::fourBenchWall();
    benchStacks.benchesPerStack = 1;
    benchStacks.numberOfBerms = 3;
    const SectionMeasures berms =
        measureSection(drawnSectionOf(built(benchStacks), InterRampConvention::CrestToToe));
    EXPECT_FALSE(berms.stepOut);
    EXPECT_EQ(berms.berm->row, 1);
    EXPECT_EQ(berms.toeToToe->topStackToeRow, 3);
    EXPECT_EQ(berms.stackTopRow, 1);

    // Fewer berms than stacks: the profile widens only the first, and so
    // does the measure.
    SlopeDesignState fewer = testing::fourBenchWall();
    fewer.numberOfBenches = 6;
    fewer.numberOfBerms = 0;
    const SectionMeasures first =
        measureSection(drawnSectionOf(built(fewer), InterRampConvention::CrestToToe));
    EXPECT_EQ(first.berm->row, 2);
    EXPECT_EQ(first.toeToToe->topStackToeRow, 2);

    // One bench: neither ledge nor stack beyond the bench.
    SlopeDesignState bench = testing::fourBenchWall();
    bench.numberOfBenches = 1;
    const SectionMeasures lone =
        measureSection(drawnSectionOf(built(bench), InterRampConvention::CrestToToe));
    EXPECT_FALSE(lone.stepOut || lone.berm || lone.toeToToe);
    EXPECT_EQ(lone.stackTopRow, 1);
    EXPECT_EQ(lone.benchFaceAngle, lone.crestToToeAngle);
}

TEST(SectionMeasures, ChecksWhatCanBeDrawn) {
    auto verdict = [](SlopeDesignState s) {
        return checkDrawnSection(drawnSectionOf(s, InterRampConvention::CrestToToe));
    };
    const SlopeDesignState wall = built(testing::fourBenchWall());
    EXPECT_EQ(verdict(wall), SheetVerdict::Drawn);

    SlopeDesignState none = testing::fourBenchWall();
    none.numberOfBenches = 0;
    EXPECT_EQ(verdict(built(none)), SheetVerdict::NoBenches);

    SlopeDesignState flat = testing::fourBenchWall();
    flat.benchHeight = 0;
    EXPECT_EQ(verdict(built(flat)), SheetVerdict::NoHeight);
    flat.benchHeight = -10;
    EXPECT_EQ(verdict(built(flat)), SheetVerdict::NoHeight);

    SlopeDesignState upright = testing::fourBenchWall();
    upright.benchHorizontalExtent = upright.stepOutWidth = upright.bermWidth = 0.001;
    EXPECT_EQ(verdict(built(upright)), SheetVerdict::NoHorizontalExtent);

    // A profile of other counts than the design's, or none at all.
    SlopeDesignState stale = wall;
    stale.numberOfBenches = 5;
    EXPECT_EQ(verdict(stale), SheetVerdict::ProfileMismatch);
    EXPECT_EQ(verdict(testing::fourBenchWall()), SheetVerdict::ProfileMismatch);
    SlopeDesignState noStacks = wall;
    noStacks.benchesPerStack = 0;
    EXPECT_EQ(verdict(noStacks), SheetVerdict::ProfileMismatch);

    SlopeDesignState endless = wall;
    endless.profileX(2, 1) = INFINITY;
    EXPECT_EQ(verdict(endless), SheetVerdict::TooLarge);
    endless.profileX(2, 1) = NAN;
    EXPECT_EQ(verdict(endless), SheetVerdict::TooLarge);
}

} // namespace
} // namespace pitwright
