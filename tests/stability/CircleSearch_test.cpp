#include "stability/CircleSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pitwright::stability {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A 2:1 slope 10 m high with floor and back ground twice its height long.
const GroundModel kSlope{Ground({{-20, 0}, {0, 0}, {20, 10}, {40, 10}}), {}};
const Material kRock{20, 5, 25};

TEST(CircleSearch, ReportsItsGridAndGivesTheSameResultOnAnyNumberOfThreads) {
    SearchSettings settings;
    settings.threads = 1;
    const SearchResult one = searchCriticalCircle(kSlope, kRock, {}, settings);
    ASSERT_EQ(one.status, SearchStatus::Found);
    EXPECT_EQ(one.gridAlong, 12);
    EXPECT_EQ(one.gridAway, 12);
    EXPECT_EQ(one.radiiPerCentre, 13); // 12 tangent levels and the circle through the toe
    EXPECT_EQ(one.exitEntryCircles, 0);
    EXPECT_GT(one.circlesTried, 12 * 12 * 13);
    EXPECT_GT(one.admissibleCircles, 0);
    EXPECT_LE(one.admissibleCircles, one.circlesTried);

    for (int threads : {2, 3}) {
        settings.threads = threads;
        const SearchResult many = searchCriticalCircle(kSlope, kRock, {}, settings);
        EXPECT_EQ(many.critical.factorOfSafety, one.critical.factorOfSafety) << threads;
        EXPECT_EQ(many.critical.circle.x, one.critical.circle.x) << threads;
        EXPECT_EQ(many.critical.circle.radius, one.critical.circle.radius) << threads;
        EXPECT_EQ(many.circlesTried, one.circlesTried) << threads;
    }
}

TEST(CircleSearch, KeepsExitAndEntryWithinTheirStretches) {
    // Exit on the lower half of the face, entry on the upper half.
    const double face = std::hypot(20.0, 10.0);
    const GroundRange exit{20, 20 + face / 2};
    const GroundRange entry{20 + face / 2, 20 + face};
    const SearchResult r = searchCriticalCircle(kSlope, kRock, {exit, entry}, {});
    ASSERT_EQ(r.status, SearchStatus::Found);
    EXPECT_GT(r.exitEntryCircles, 0);
    EXPECT_GE(r.critical.exitChainage, exit.from - 1e-9);
    EXPECT_LE(r.critical.exitChainage, exit.to + 1e-9);
    EXPECT_GE(r.critical.entryChainage, entry.from - 1e-9);
    EXPECT_LE(r.critical.entryChainage, entry.to + 1e-9);
    const SearchResult free = searchCriticalCircle(kSlope, kRock, {}, {});
    EXPECT_GE(r.critical.factorOfSafety, free.critical.factorOfSafety);
}

// With rock below the floor, circles may pass under it; a firm base at the
// floor's level forbids that, can only raise the least factor, and the
// critical circle then often just touches it: the search reaches that edge.
TEST(CircleSearch, FirmBaseAtTheFloorKeepsTheSlipSurfaceAboveIt) {
    const Material weak{20, 20, 5};
    const SearchResult rock = searchCriticalCircle(kSlope, weak, {}, {});
    const SearchResult based = searchCriticalCircle({kSlope.surface, 0.0}, weak, {}, {});
    ASSERT_EQ(rock.status, SearchStatus::Found);
    ASSERT_EQ(based.status, SearchStatus::Found);
    EXPECT_LT(rock.critical.circle.y - rock.critical.circle.radius, -0.5);
    EXPECT_LT(rock.critical.exitPoint.x, 0); // out through the floor
    EXPECT_NEAR(based.critical.circle.y - based.critical.circle.radius, 0, 1e-9);
    for (const Slice& s : based.critical.slices) {
        EXPECT_GE(s.baseY, -1e-9);
    }
    EXPECT_GE(based.critical.factorOfSafety, rock.critical.factorOfSafety);
    EXPECT_FALSE(based.onGridBorder);
}

TEST(CircleSearch, SaysWhenTheCriticalCircleIsOnABorderOfTheSearch) {
    EXPECT_FALSE(searchCriticalCircle(kSlope, kRock, {}, {}).onGridBorder);
    SearchSettings narrow;
    narrow.awayFrom = 0.1;
    narrow.awayTo = 0.2; // centres close to the slope only
    const SearchResult r = searchCriticalCircle(kSlope, kRock, {}, narrow);
    ASSERT_EQ(r.status, SearchStatus::Found);
    EXPECT_TRUE(r.onGridBorder);

    // Without friction or a firm base the critical circle goes as deep as
    // the search lets it.
    const SearchResult clay = searchCriticalCircle(kSlope, {20, 30, 0}, {}, {});
    ASSERT_EQ(clay.status, SearchStatus::Found);
    EXPECT_NEAR(clay.critical.circle.y - clay.critical.circle.radius, -10, 1e-9);
    EXPECT_TRUE(clay.onGridBorder);
}

TEST(CircleSearch, RefusesBadInputWithAReasonAndNoFigures) {
    auto expectRefused = [](const SearchResult& r, SearchStatus status) {
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.critical.factorOfSafety, 0);
        EXPECT_TRUE(r.critical.slices.empty());
    };
    SearchSettings bad;
    bad.centresAlong = 0;
    expectRefused(searchCriticalCircle(kSlope, kRock, {}, bad), SearchStatus::BadSettings);
    bad = {};
    bad.refinementStep = kNaN;
    expectRefused(searchCriticalCircle(kSlope, kRock, {}, bad), SearchStatus::BadSettings);
    bad = {};
    bad.bishop.smallestMAlpha = 0;
    expectRefused(searchCriticalCircle(kSlope, kRock, {}, bad), SearchStatus::BadSettings);

    const SearchResult material = searchCriticalCircle(kSlope, {20, 5, 90}, {}, {});
    expectRefused(material, SearchStatus::BadMaterial);
    EXPECT_EQ(material.materialProblem, MaterialProblem::FrictionNinetyOrMore);

    const SearchResult flat = searchCriticalCircle({Ground({{0, 0}, {9, 0}}), {}}, kRock, {}, {});
    expectRefused(flat, SearchStatus::BadGround);
    EXPECT_EQ(flat.groundProblem, GroundProblem::Flat);
    expectRefused(searchCriticalCircle({kSlope.surface, 1.0}, kRock, {}, {}),
                  SearchStatus::BadGround);

    const GroundModel fallingAway{Ground({{0, 10}, {20, 0}, {40, 0}}), {}};
    expectRefused(searchCriticalCircle(fallingAway, kRock, {}, {}), SearchStatus::NoSlope);

    for (const GroundRange& range :
         {GroundRange{30, 20}, GroundRange{-5, 10}, GroundRange{20, 100}, GroundRange{kNaN, 20}}) {
        expectRefused(searchCriticalCircle(kSlope, kRock, {range, {}}, {}), SearchStatus::BadRange);
    }
    // Only flat ground within the stretches: nothing rises to slide.
    expectRefused(searchCriticalCircle(kSlope, kRock, {GroundRange{0, 15}, GroundRange{0, 15}}, {}),
                  SearchStatus::NoSlope);

    SearchSettings thick;
    thick.minimumThickness = 20; // thicker than the slope is high
    expectRefused(searchCriticalCircle(kSlope, kRock, {}, thick), SearchStatus::NoAdmissibleCircle);
}

} // namespace
} // namespace pitwright::stability
