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

TEST(SectionMeasures, EveryLedgeIsABermWhenEveryBenchIsAStack) {
    SlopeDesignState s = testing::fourBenchWall();
    s.benchesPerStack = 1;
    s.numberOfBerms = 3;
    const SectionMeasures m =
        measureSection(drawnSectionOf(built(s), InterRampConvention::CrestToToe));
    EXPECT_FALSE(m.stepOut);
    EXPECT_EQ(m.berm->row, 1);
    EXPECT_EQ(m.stackTopRow, 1);
    // The top stack is the top bench: its toe on the ledge of bench 3.
    EXPECT_EQ(m.toeToToe->topStackToeRow, 3);
}

} // namespace
} // namespace pitwright
