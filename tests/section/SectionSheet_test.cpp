#include "section/PaperScale.h"
#include "section/SectionSheet.h"
#include "support/FourBenchSheet.h"
#include "support/RecordingSheet.h"
#include "support/SteppedWall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace pitwright {
namespace {

using testing::RecordingSheet;
using testing::steppedWall;

using namespace std::string_literals;
const std::string kDegree = "\xC2\xB0";

SectionSheetInput inputOf(const SlopeDesignState& s,
                          InterRampConvention convention = InterRampConvention::CrestToToe) {
    return {drawnSectionOf(s, convention), "Section", {{"Bench height:", "10"}}};
}

RecordingSheet drawn(const SectionSheetInput& input) {
    RecordingSheet sheet;
    EXPECT_EQ(drawSectionSheet(input, sheet), SheetVerdict::Drawn);
    return sheet;
}

std::size_t countStarting(const RecordingSheet& sheet, const std::string& prefix) {
    return std::count_if(sheet.texts.begin(), sheet.texts.end(),
                         [&](const auto& each) { return each.value.rfind(prefix, 0) == 0; });
}

TEST(SectionSheet, DrawsAndDimensionsTheWallRightWayUpInMetres) {
    testing::FourBenchSheet four;
    const RecordingSheet sheet = drawn(four.input);
    EXPECT_EQ(sheet.begins + sheet.ends, 2);

    // The wall is the profile itself, toe at the origin, elevation upwards;
    // then again face by face and ledge by ledge.
    const auto wall = sheet.strokesOn(SheetLayer::Wall);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0]->points, (std::vector<SheetPoint>{{0, 0},
                                                        {0, 0},
                                                        {5, 10},
                                                        {8, 10},
                                                        {13, 20},
                                                        {21, 20},
                                                        {26, 30},
                                                        {29, 30},
                                                        {34, 40},
                                                        {34, 40}}));
    EXPECT_EQ(sheet.strokesOn(SheetLayer::Faces).size(), 4u);
    EXPECT_EQ(sheet.strokesOn(SheetLayer::Ledges)[1]->points,
              (std::vector<SheetPoint>{{13, 20}, {21, 20}}));
    // The pit floor ends at the toe, the ground starts at the crest.
    const auto ground = sheet.strokesOn(SheetLayer::Ground);
    ASSERT_EQ(ground.size(), 2u);
    EXPECT_EQ(ground[0]->points.back(), (SheetPoint{0, 0}));
    EXPECT_EQ(ground[1]->points.front(), (SheetPoint{34, 40}));

    for (const std::string& figure :
         {"10 m"s, "20 m"s, "40 m"s, "34 m"s, "3 m"s, "8 m"s, "63.4" + kDegree,
          "stack 57" + kDegree, "crest-to-toe 49.6" + kDegree, "toe-to-toe 43.6" + kDegree}) {
        EXPECT_TRUE(sheet.hasText(figure)) << figure;
    }
    EXPECT_FALSE(sheet.hasText("42 m")); // the other convention's extent

    // The heights' dimension lines span them, left of the floor line; the
    // ledges' figures stand over their ledges.
    std::vector<double> spans;
    for (const auto* stroke : sheet.strokesOn(SheetLayer::Dimensions)) {
        const SheetPoint a = stroke->points.front();
        const SheetPoint b = stroke->points.back();
        if (a.x == b.x && a.x < 0 && a.y == 0) {
            spans.push_back(b.y);
        }
    }
    std::sort(spans.begin(), spans.end());
    EXPECT_EQ(spans, (std::vector<double>{10, 20, 40}));
    EXPECT_EQ(sheet.findText("3 m")->text.at.x, 8);
    EXPECT_EQ(sheet.findText("8 m")->text.at.x, 21);
}

TEST(SectionSheet, ToeToToeDesignsGetTheirHorizontalExtent) {
    testing::FourBenchSheet four;
    SectionSheetInput input = four.input;
    input.section.convention = InterRampConvention::ToeToToe;
    const RecordingSheet sheet = drawn(input);
    EXPECT_TRUE(sheet.hasText("42 m"));
    // The line runs on through the top stack's toe to the crest's level.
    EXPECT_TRUE(std::any_of(sheet.strokes.begin(), sheet.strokes.end(), [](const auto& s) {
        return s.dashed && s.points.back() == SheetPoint{42, 40};
    }));
}

TEST(SectionSheet, FitsThePaperAtARoundScale) {
    for (int n : {1, 4, 10, 100, 1000, 32767}) {
        for (auto convention : {InterRampConvention::CrestToToe, InterRampConvention::ToeToToe}) {
            const auto wall = steppedWall(n);
            const RecordingSheet sheet = drawn(inputOf(*wall, convention));
            const SheetFrame frame = *sheet.frame;
            EXPECT_EQ(frame.scale, roundScaleAtLeast(frame.scale)) << n;
            // Written out in the title block and by the scale bar.
            const auto ratio = "1:" + std::to_string(static_cast<long long>(frame.scale));
            EXPECT_EQ(countStarting(sheet, ratio), 2u) << n;

            // Everything lies inside the border, 10 mm in from the paper's edge,
            // and texts are 2.5 mm high on paper (the heading 3.5 mm).
            const double mm = frame.metresPerMillimetre();
            auto inside = [&](SheetPoint p) {
                const double x = (p.x - frame.paperOrigin.x) / mm;
                const double y = (p.y - frame.paperOrigin.y) / mm;
                return x >= 10 - 1e-6 && x <= 287 + 1e-6 && y >= 10 - 1e-6 && y <= 200 + 1e-6;
            };
            for (const auto& stroke : sheet.strokes) {
                for (const SheetPoint& p : stroke.points) {
                    ASSERT_TRUE(inside(p)) << n << " benches, " << layerName(stroke.layer);
                }
            }
            for (const auto& text : sheet.texts) {
                ASSERT_TRUE(inside(text.text.at)) << n << " benches, " << text.value;
                EXPECT_NEAR(text.text.height / mm, 2.5, 1.01) << text.value;
            }
        }
    }
}

TEST(SectionSheet, StaysReadableFromOneBenchToThousands) {
    // However many benches, one of each is dimensioned: only the wall grows.
    const auto hundredBenches = steppedWall(100);
    const auto mostBenches = steppedWall(32767);
    const RecordingSheet hundred = drawn(inputOf(*hundredBenches));
    const RecordingSheet most = drawn(inputOf(*mostBenches));
    auto others = [](const RecordingSheet& sheet) {
        return sheet.strokes.size() - sheet.strokesOn(SheetLayer::Faces).size() -
               sheet.strokesOn(SheetLayer::Ledges).size();
    };
    EXPECT_EQ(others(most), others(hundred));
    EXPECT_EQ(most.texts.size(), hundred.texts.size());

    // A tall wall's bench, step out, berm and stack go into a detail of the
    // lowest stack (its berm and the face above), at a round scale at least
    // twice as large, enlarged by the ratio of the two.
    for (const RecordingSheet* sheet : {&hundred, &most}) {
        ASSERT_EQ(countStarting(*sheet, "Typical stack 1:"), 1u);
        for (const std::string& figure : {"10 m"s, "50 m"s, "3.87 m"s, "29.6 m"s, "75" + kDegree}) {
            EXPECT_TRUE(sheet->hasText(figure)) << figure;
        }
    }
    const auto caption = std::find_if(hundred.texts.begin(), hundred.texts.end(), [](auto& t) {
        return t.value.rfind("Typical stack 1:", 0) == 0;
    });
    const double detailScale = std::stod(caption->value.substr(16));
    EXPECT_EQ(detailScale, roundScaleAtLeast(detailScale));
    EXPECT_LT(detailScale * 2, hundred.frame->scale);
    const auto& detail = hundred.strokesOn(SheetLayer::Detail).at(0)->points;
    const auto& wall = hundred.strokesOn(SheetLayer::Wall).at(0)->points;
    ASSERT_EQ(detail.size(), 2u * 6 + 1);
    const double factor = hundred.frame->scale / detailScale;
    for (std::size_t i = 0; i < detail.size(); ++i) {
        EXPECT_NEAR(detail[i].x - detail[0].x, factor * wall[i].x, 1e-6) << i;
        EXPECT_NEAR(detail[i].y - detail[0].y, factor * wall[i].y, 1e-6) << i;
    }

    // Stacks of more benches than a detail holds: it shows the lowest ones,
    // and the stack is dimensioned on the wall.
    const auto longStacks = steppedWall(400, 20);
    const RecordingSheet benches = drawn(inputOf(*longStacks));
    EXPECT_EQ(countStarting(benches, "Typical benches 1:"), 1u);
    EXPECT_EQ(benches.strokesOn(SheetLayer::Detail).at(0)->points.size(), 2u * 11 + 1);
    EXPECT_TRUE(benches.hasText("200 m"));

    // A small wall needs none.
    const auto tenBenches = steppedWall(10);
    const RecordingSheet ten = drawn(inputOf(*tenBenches));
    EXPECT_TRUE(ten.strokesOn(SheetLayer::Detail).empty());
    EXPECT_TRUE(ten.hasText("3.87 m"));
}

TEST(SectionSheet, LeavesOutWhatTheWallDoesNotHave) {
    // One bench: its height and angle are the wall's, shown once.
    const auto bench = steppedWall(1);
    const RecordingSheet one = drawn(inputOf(*bench));
    EXPECT_EQ(countStarting(one, "10 m"), 1u);
    EXPECT_EQ(countStarting(one, "crest-to-toe 75"), 1u);
    EXPECT_EQ(countStarting(one, "stack") + countStarting(one, "toe-to-toe"), 0u);
    EXPECT_TRUE(std::none_of(one.strokes.begin(), one.strokes.end(),
                             [](const auto& s) { return s.dashed; }));

    // One stack: no berm, no toe-to-toe line, and the stack is the wall.
    const auto stack = steppedWall(5);
    const RecordingSheet single = drawn(inputOf(*stack, InterRampConvention::ToeToToe));
    EXPECT_TRUE(single.hasText("3.87 m"));
    EXPECT_FALSE(single.hasText("29.6 m"));
    EXPECT_EQ(countStarting(single, "stack") + countStarting(single, "toe-to-toe"), 0u);
    EXPECT_EQ(countStarting(single, "50 m"), 1u);
}

TEST(SectionSheet, RefusesWhatCannotBeDrawnAndDrawsNothing) {
    auto refused = [](const SlopeDesignState& s) {
        RecordingSheet sheet;
        const SheetVerdict verdict = drawSectionSheet(inputOf(s), sheet);
        EXPECT_EQ(sheet.begins + sheet.strokes.size() + sheet.texts.size(), 0u);
        return verdict;
    };
    auto rebuilt = [](int n, auto change) {
        auto s = steppedWall(n);
        change(*s);
        buildSectionProfile(*s);
        return s;
    };
    EXPECT_EQ(refused(*steppedWall(0)), SheetVerdict::NoBenches);
    EXPECT_EQ(refused(*rebuilt(4, [](auto& s) { s.benchHeight = 0; })), SheetVerdict::NoHeight);
    EXPECT_EQ(refused(*rebuilt(4, [](auto& s) { s.benchHeight = -10; })), SheetVerdict::NoHeight);
    EXPECT_EQ(
        refused(*rebuilt(
            4, [](auto& s) { s.benchHorizontalExtent = s.stepOutWidth = s.bermWidth = 0.001; })),
        SheetVerdict::NoHorizontalExtent);
    // Finite, but beyond any ratio that can be written out whole.
    EXPECT_EQ(refused(*rebuilt(4, [](auto& s) { s.benchHeight = 1e300; })), SheetVerdict::TooLarge);

    // A profile of other counts than the design's, or of no whole stacks;
    // a point that is no number.
    auto stale = steppedWall(4);
    stale->numberOfBenches = 6;
    EXPECT_EQ(refused(*stale), SheetVerdict::ProfileMismatch);
    stale->numberOfBenches = 4;
    stale->benchesPerStack = 0;
    EXPECT_EQ(refused(*stale), SheetVerdict::ProfileMismatch);
    stale->benchesPerStack = 5;
    stale->profileX(2, 1) = NAN;
    EXPECT_EQ(refused(*stale), SheetVerdict::TooLarge);
}

} // namespace
} // namespace pitwright
