#include "section/SectionDrawing.h"
#include "section/SectionProfile.h"
#include "support/FourBenchWall.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace pitwright {
namespace {

using testing::RecordingCanvas;

SlopeDesignState workedExample() {
    SlopeDesignState s = testing::fourBenchWall();
    buildSectionProfile(s);
    return s;
}

TEST(SectionDrawing, MapsTheWorkedExampleOntoTheCanvas) {
    SlopeDesignState s = workedExample();
    RecordingCanvas canvas(560, 520);
    SectionCanvas drawn;
    ASSERT_EQ(drawSection(s, canvas, drawn), SectionDrawing::Drawn);
    EXPECT_EQ(drawn.canvasX.rows(), 5u);

    const double expected[5][3] = {{15, 115, 15},
                                   {163.529, 192.647, 112.059},
                                   {241.176, 318.824, 209.118},
                                   {367.353, 396.471, 306.176},
                                   {445, 545, 403.235}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(drawn.canvasX(i, 0), expected[i][0], 5e-4) << "row " << i;
        EXPECT_NEAR(drawn.canvasX(i, 1), expected[i][1], 5e-4) << "row " << i;
        EXPECT_NEAR(drawn.canvasY(i, 0), expected[i][2], 5e-4) << "row " << i;
    }
    EXPECT_NEAR(drawn.canvasCrestEndX, 545, 1e-9);
    EXPECT_NEAR(drawn.canvasBaseY, 453.235, 5e-4);
}

TEST(SectionDrawing, DrawsTheWallTwiceAsThickAsTheOtherLines) {
    SlopeDesignState s = workedExample();
    RecordingCanvas canvas(560, 520);
    ASSERT_EQ(drawSection(s, canvas), SectionDrawing::Drawn);

    // Floor, 4 faces, 3 ledges, crest line, 3 closing lines.
    ASSERT_EQ(canvas.strokes.size(), 12u);
    std::vector<int> widths;
    for (const auto& stroke : canvas.strokes) {
        widths.push_back(stroke.width);
        EXPECT_EQ(stroke.rgb, kLineBlack);
    }
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1}));
    const auto& closing = canvas.strokes.back();
    EXPECT_FLOAT_EQ(closing.x2, 15);
    EXPECT_FLOAT_EQ(closing.y2, 15);
}

TEST(SectionDrawing, ATallWallIsScaledByHeight) {
    SlopeDesignState s = workedExample();
    s.benchHeight = 100;
    buildSectionProfile(s);
    RecordingCanvas canvas(560, 520);
    SectionCanvas drawn;
    ASSERT_EQ(drawSection(s, canvas, drawn), SectionDrawing::Drawn);
    // The base line lies 15 units above the bottom of the canvas.
    EXPECT_NEAR(drawn.canvasBaseY, 520 - 15, 1e-9);
    EXPECT_LT(drawn.canvasCrestEndX, 545);
}

TEST(SectionDrawing, RefusesWallsThatCannotBeScaled) {
    RecordingCanvas canvas(560, 520);
    SlopeDesignState none = workedExample();
    none.numberOfBenches = 0;
    buildSectionProfile(none);
    EXPECT_EQ(drawSection(none, canvas), SectionDrawing::NoBenches);

    SlopeDesignState flat = workedExample();
    flat.benchHeight = 0;
    buildSectionProfile(flat);
    EXPECT_EQ(drawSection(flat, canvas), SectionDrawing::NoHeight);

    SlopeDesignState upright = workedExample();
    upright.benchHorizontalExtent = upright.stepOutWidth = upright.bermWidth = 0.001;
    buildSectionProfile(upright);
    EXPECT_EQ(drawSection(upright, canvas), SectionDrawing::NoHorizontalExtent);
    EXPECT_TRUE(canvas.strokes.empty());
}

TEST(SectionDrawing, VerticalFacesStillScaleByTheLedges) {
    SlopeDesignState s = workedExample();
    s.benchHorizontalExtent = 0;
    buildSectionProfile(s);
    RecordingCanvas canvas(560, 520);
    SectionCanvas drawn;
    ASSERT_EQ(drawSection(s, canvas, drawn), SectionDrawing::Drawn);
    EXPECT_DOUBLE_EQ(drawn.canvasX(1, 0), drawn.canvasX(0, 1));
}

} // namespace
} // namespace pitwright
