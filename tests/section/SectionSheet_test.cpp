#include "section/PaperScale.h"
#include "section/SectionProfile.h"
#include "section/SectionSheet.h"
#include "support/FourBenchSheet.h"
#include "support/RecordingSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pitwright {
namespace {

using testing::RecordingSheet;

// A wall of n benches of 10 m in stacks of five, faces at 75 degrees, step
// outs of 3.87 m and berms of 29.6 m, its profile built.
std::unique_ptr<SlopeDesignState> wallOf(int n, int perStack = 5) {
    auto s = std::make_unique<SlopeDesignState>();
    s->numberOfBenches = static_cast<std::int16_t>(n);
    s->benchesPerStack = static_cast<std::int16_t>(perStack);
    s->numberOfBerms = static_cast<std::int16_t>((n + perStack - 1) / perStack - 1);
    s->benchHeight = 10;
    s->benchHorizontalExtent = 10 / 3.7320508075688772;
    s->stepOutWidth = 3.87;
    s->bermWidth = 29.6;
    buildSectionProfile(*s);
    return s;
}

SectionSheetInput inputOf(const SlopeDesignState& s,
                          InterRampConvention convention = InterRampConvention::CrestToToe) {
    return {drawnSectionOf(s, convention), "Section", {{"Bench height:", "10"}}};
}

RecordingSheet drawn(const SectionSheetInput& input) {
    RecordingSheet sheet;
    EXPECT_EQ(drawSectionSheet(input, sheet), SheetVerdict::Drawn);
    return sheet;
}

std::vector<SheetPoint> profileWalk(const SlopeDesignState& s) {
    std::vector<SheetPoint> walk;
    for (std::size_t row = 0; row < s.profileX.rows(); ++row) {
        walk.push_back({s.profileX(row, 0), s.profileY(row, 0)});
        walk.push_back({s.profileX(row, 1), s.profileY(row, 1)});
    }
    return walk;
}

// Texts that begin with `prefix`.
std::vector<std::string> textsStarting(const RecordingSheet& sheet, const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& each : sheet.texts) {
        if (each.value.rfind(prefix, 0) == 0) {
            found.push_back(each.value);
        }
    }
    return found;
}

TEST(SectionSheet, DrawsTheWallRightWayUpInMetres) {
    testing::FourBenchSheet four;
    const RecordingSheet sheet = drawn(four.input);
    EXPECT_EQ(sheet.begins, 1);
    EXPECT_EQ(sheet.ends, 1);

    // The wall as one polyline: the profile itself, toe at the origin,
    // elevation upwards.
    const auto walls = sheet.strokesOn(SheetLayer::Wall);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0]->points, profileWalk(four.state));

    // And face by face, ledge by ledge, on their layers.
    const auto faces = sheet.strokesOn(SheetLayer::Faces);
    const auto ledges = sheet.strokesOn(SheetLayer::Ledges);
    ASSERT_EQ(faces.size(), 4u);
    ASSERT_EQ(ledges.size(), 3u);
    EXPECT_EQ(faces[1]->points, (std::vector<SheetPoint>{{8, 10}, {13, 20}}));
    EXPECT_EQ(ledges[1]->points, (std::vector<SheetPoint>{{13, 20}, {21, 20}}));

    // The pit floor runs back from the toe, the ground on from the crest.
    const auto ground = sheet.strokesOn(SheetLayer::Ground);
    ASSERT_EQ(ground.size(), 2u);
    EXPECT_EQ(ground[0]->points.back(), (SheetPoint{0, 0}));
    EXPECT_LT(ground[0]->points.front().x, 0);
    EXPECT_EQ(ground[0]->points.front().y, 0);
    EXPECT_EQ(ground[1]->points.front(), (SheetPoint{34, 40}));
    EXPECT_GT(ground[1]->points.back().x, 34);
    EXPECT_EQ(ground[1]->points.back().y, 40);
}

TEST(SectionSheet, DimensionsTheFourBenchWall) {
    testing::FourBenchSheet four;
    const RecordingSheet sheet = drawn(four.input);
    for (const char* figure :
         {"10 m", "20 m", "40 m", "34 m", "3 m", "8 m", "63.4\xC2\xB0", "stack 57\xC2\xB0",
          "crest-to-toe 49.6\xC2\xB0", "toe-to-toe 43.6\xC2\xB0"}) {
        EXPECT_TRUE(sheet.hasText(figure)) << figure;
    }
    // The toe-to-toe extent belongs to the other convention.
    EXPECT_FALSE(sheet.hasText("42 m"));

    // Each vertical dimension line spans its figure, left of the floor line.
    auto verticalSpans = [&] {
        std::vector<double> spans;
        for (const auto* stroke : sheet.strokesOn(SheetLayer::Dimensions)) {
            const SheetPoint a = stroke->points.front();
            const SheetPoint b = stroke->points.back();
            if (stroke->points.size() == 2 && a.x == b.x && a.x < 0 && a.y == 0) {
                spans.push_back(b.y - a.y);
            }
        }
        std::sort(spans.begin(), spans.end());
        return spans;
    }();
    EXPECT_EQ(verticalSpans, (std::vector<double>{10, 20, 40}));

    // The step out's figure stands over the step out, the berm's over the berm.
    const auto* stepOut = sheet.findText("3 m");
    EXPECT_GT(stepOut->text.at.y, 10);
    EXPECT_LT(stepOut->text.at.y, 20);
    EXPECT_EQ(stepOut->text.at.x, 8);
    const auto* berm = sheet.findText("8 m");
    EXPECT_GT(berm->text.at.y, 20);
    EXPECT_EQ(berm->text.at.x, 21);

    // Both inter-ramp lines and the stack line start at the toe.
    int dashed = 0;
    for (const auto& stroke : sheet.strokes) {
        if (stroke.dashed) {
            ++dashed;
            EXPECT_EQ(stroke.points.front(), (SheetPoint{0, 0}));
        }
    }
    EXPECT_EQ(dashed, 3);
}

TEST(SectionSheet, ToeToToeDesignsGetTheirHorizontalExtent) {
    testing::FourBenchSheet four;
    SectionSheetInput input = four.input;
    input.section.convention = InterRampConvention::ToeToToe;
    const RecordingSheet sheet = drawn(input);
    EXPECT_TRUE(sheet.hasText("42 m"));
    EXPECT_TRUE(sheet.hasText("34 m"));
    // Its line runs on through the top stack's toe to the crest's level.
    bool reachesCrestLevel = false;
    for (const auto& stroke : sheet.strokes) {
        reachesCrestLevel |= stroke.dashed && stroke.points.back() == SheetPoint{42, 40};
    }
    EXPECT_TRUE(reachesCrestLevel);
}

TEST(SectionSheet, ShowsTheTitleRowsAsGivenAndTheScale) {
    testing::FourBenchSheet four;
    const RecordingSheet sheet = drawn(four.input);
    EXPECT_TRUE(sheet.hasText("Pit wall section"));
    for (const TitleRow& row : four.input.titleRows) {
        const auto* caption = sheet.findText(row.caption);
        const auto* text = sheet.findText(row.text);
        ASSERT_TRUE(caption && text) << row.caption;
        EXPECT_EQ(caption->text.at.y, text->text.at.y) << row.caption;
        EXPECT_LT(caption->text.at.x, text->text.at.x) << row.caption;
    }
    const auto* scale = sheet.findText("Scale");
    ASSERT_TRUE(scale);
    const std::string ratio = "1:" + std::to_string(static_cast<long long>(sheet.frame->scale));
    EXPECT_EQ(textsStarting(sheet, ratio).size(), 2u); // title block and scale bar
}

TEST(SectionSheet, FitsThePaperAtARoundScale) {
    for (int n : {1, 4, 10, 100, 1000, 32767}) {
        for (auto convention : {InterRampConvention::CrestToToe, InterRampConvention::ToeToToe}) {
            const auto wall = wallOf(n);
            const RecordingSheet sheet = drawn(inputOf(*wall, convention));
            const SheetFrame frame = *sheet.frame;
            EXPECT_EQ(frame.scale, roundScaleAtLeast(frame.scale)) << n;
            EXPECT_EQ(frame.paperWidth, 297);
            EXPECT_EQ(frame.paperHeight, 210);

            // Everything lies inside the border, 10 mm in from the paper's edge.
            const double mm = frame.metresPerMillimetre();
            auto inside = [&](SheetPoint p) {
                const double x = (p.x - frame.paperOrigin.x) / mm;
                const double y = (p.y - frame.paperOrigin.y) / mm;
                return x >= 10 - 1e-6 && x <= 287 + 1e-6 && y >= 10 - 1e-6 && y <= 200 + 1e-6;
            };
            for (const auto& stroke : sheet.strokes) {
                for (const SheetPoint& p : stroke.points) {
                    ASSERT_TRUE(inside(p)) << n << " benches, layer " << layerName(stroke.layer)
                                           << " at " << p.x << ", " << p.y;
                }
            }
            for (const auto& text : sheet.texts) {
                ASSERT_TRUE(inside(text.text.at)) << n << " benches, " << text.value;
                // 2.5 mm on paper, whatever the scale; the title block heading more.
                EXPECT_NEAR(text.text.height / mm, 2.5, 1.01) << text.value;
            }
        }
    }
}

TEST(SectionSheet, StaysReadableFromOneBenchToThousands) {
    // However many benches, one of each is dimensioned: only the wall grows.
    auto drawnOf = [](int n) {
        const auto wall = wallOf(n);
        return drawn(inputOf(*wall));
    };
    auto others = [](const RecordingSheet& sheet) {
        return sheet.strokes.size() - sheet.strokesOn(SheetLayer::Faces).size() -
               sheet.strokesOn(SheetLayer::Ledges).size();
    };
    const RecordingSheet hundred = drawnOf(100);
    const RecordingSheet most = drawnOf(32767);
    EXPECT_EQ(others(most), others(hundred));
    EXPECT_EQ(most.texts.size(), hundred.texts.size());
    EXPECT_EQ(most.strokesOn(SheetLayer::Faces).size(), 32767u);
    EXPECT_EQ(most.strokesOn(SheetLayer::Wall)[0]->points.size(), 2u * 32768);

    // A tall wall's bench, step out, berm and stack go into a detail of the
    // lowest stack, at a larger round scale.
    for (const RecordingSheet* sheet : {&hundred, &most}) {
        const auto caption = textsStarting(*sheet, "Typical stack 1:");
        ASSERT_EQ(caption.size(), 1u);
        const double detailScale = std::stod(caption[0].substr(16));
        EXPECT_EQ(detailScale, roundScaleAtLeast(detailScale));
        EXPECT_LT(detailScale * 2, sheet->frame->scale);
        for (const char* figure : {"10 m", "50 m", "3.87 m", "29.6 m", "75\xC2\xB0"}) {
            EXPECT_TRUE(sheet->hasText(figure)) << figure;
        }
    }

    // The detail is the lowest stack, its berm and the face above, enlarged
    // by the ratio of the two scales.
    const auto wall = wallOf(100);
    const auto detail = hundred.strokesOn(SheetLayer::Detail);
    const auto outline = std::find_if(detail.begin(), detail.end(),
                                      [](const auto* s) { return s->points.size() > 2; });
    ASSERT_NE(outline, detail.end());
    const std::vector<SheetPoint> walk = profileWalk(*wall);
    ASSERT_EQ((*outline)->points.size(), 2u * 6 + 1);
    const SheetPoint origin = (*outline)->points.front();
    const double factor = ((*outline)->points.back().y - origin.y) / 60;
    const double detailScale = std::stod(textsStarting(hundred, "Typical stack 1:")[0].substr(16));
    EXPECT_NEAR(factor, hundred.frame->scale / detailScale, 1e-9);
    for (std::size_t i = 0; i < (*outline)->points.size(); ++i) {
        const SheetPoint p = (*outline)->points[i];
        EXPECT_NEAR(p.x, origin.x + factor * walk[i].x, 1e-6) << i;
        EXPECT_NEAR(p.y, origin.y + factor * walk[i].y, 1e-6) << i;
    }

    // Stacks of more benches than a detail holds: it shows the lowest ones,
    // and the stack is dimensioned on the wall.
    const auto longStacks = wallOf(400, 20);
    const RecordingSheet benches = drawn(inputOf(*longStacks));
    EXPECT_EQ(textsStarting(benches, "Typical benches 1:").size(), 1u);
    EXPECT_EQ(benches.strokesOn(SheetLayer::Detail)[0]->points.size(), 2u * 11 + 1);
    EXPECT_EQ(textsStarting(benches, "stack ").size(), 1u);
    EXPECT_TRUE(benches.hasText("200 m"));

    // A small wall needs none.
    const RecordingSheet ten = drawnOf(10);
    EXPECT_TRUE(ten.strokesOn(SheetLayer::Detail).empty());
    EXPECT_TRUE(ten.hasText("3.87 m"));
}

TEST(SectionSheet, LeavesOutWhatTheWallDoesNotHave) {
    // One bench: its height and angle are the wall's, shown once.
    const auto bench = wallOf(1);
    const RecordingSheet one = drawn(inputOf(*bench));
    EXPECT_EQ(textsStarting(one, "10 m").size(), 1u);
    EXPECT_EQ(textsStarting(one, "crest-to-toe 75").size(), 1u);
    EXPECT_TRUE(textsStarting(one, "stack").empty());
    EXPECT_TRUE(textsStarting(one, "toe-to-toe").empty());
    EXPECT_TRUE(std::none_of(one.strokes.begin(), one.strokes.end(),
                             [](const auto& s) { return s.dashed; }));
    EXPECT_TRUE(one.strokesOn(SheetLayer::Ledges).empty());

    // One stack: no berm, no toe-to-toe line, and the stack is the wall.
    const auto stack = wallOf(5);
    const RecordingSheet single = drawn(inputOf(*stack, InterRampConvention::ToeToToe));
    EXPECT_TRUE(single.hasText("3.87 m"));
    EXPECT_FALSE(single.hasText("29.6 m"));
    EXPECT_TRUE(textsStarting(single, "toe-to-toe").empty());
    EXPECT_TRUE(textsStarting(single, "stack").empty());
    EXPECT_EQ(textsStarting(single, "50 m").size(), 1u);
}

TEST(SectionSheet, RefusesWhatCannotBeDrawnAndDrawsNothing) {
    auto refused = [](const SlopeDesignState& s) {
        RecordingSheet sheet;
        const SheetVerdict verdict = drawSectionSheet(inputOf(s), sheet);
        EXPECT_EQ(sheet.begins + sheet.strokes.size() + sheet.texts.size(), 0u);
        return verdict;
    };
    auto none = wallOf(0);
    EXPECT_EQ(refused(*none), SheetVerdict::NoBenches);

    auto flat = wallOf(4);
    flat->benchHeight = 0;
    buildSectionProfile(*flat);
    EXPECT_EQ(refused(*flat), SheetVerdict::NoHeight);

    auto upright = wallOf(4);
    upright->benchHorizontalExtent = upright->stepOutWidth = upright->bermWidth = 0;
    buildSectionProfile(*upright);
    EXPECT_EQ(refused(*upright), SheetVerdict::NoHorizontalExtent);

    auto stale = wallOf(4);
    stale->numberOfBenches = 6;
    EXPECT_EQ(refused(*stale), SheetVerdict::ProfileMismatch);

    // Finite, but beyond any ratio that can be written out whole.
    auto huge = wallOf(4);
    huge->benchHeight = 1e300;
    buildSectionProfile(*huge);
    EXPECT_EQ(refused(*huge), SheetVerdict::TooLarge);
}

} // namespace
} // namespace pitwright
