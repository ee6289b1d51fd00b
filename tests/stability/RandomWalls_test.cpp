// Whatever the wall and the material, every figure is a finite number.
#include "stability/DesignedWall.h"
#include "stability/WallStability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace pitwright::stability {
namespace {

void expectFinite(const SearchResult& r, const char* which) {
    const CriticalCircle& c = r.critical;
    for (double v :
         {c.factorOfSafety, c.circle.x, c.circle.y, c.circle.radius, c.exitPoint.x, c.exitPoint.y,
          c.entryPoint.x, c.entryPoint.y, c.exitChainage, c.entryChainage}) {
        EXPECT_TRUE(std::isfinite(v)) << which;
    }
    for (const Slice& s : c.slices) {
        EXPECT_TRUE(std::isfinite(s.weight) && std::isfinite(s.baseY) && std::isfinite(s.cosBase))
            << which;
    }
    if (r.status == SearchStatus::Found) {
        EXPECT_GE(c.factorOfSafety, 0) << which;
        EXPECT_LT(c.exitChainage, c.entryChainage) << which;
    } else {
        EXPECT_EQ(r.status, SearchStatus::NoAdmissibleCircle) << which;
        EXPECT_EQ(c.factorOfSafety, 0) << which;
    }
}

TEST(RandomWalls, EveryFigureIsFinite) {
    std::mt19937 random(20240611);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    SearchSettings quick; // a coarse search: finiteness, not accuracy
    quick.centresAlong = 5;
    quick.centresAway = 5;
    quick.tangentLevels = 5;
    quick.refinedMinima = 2;
    quick.refinementStep = 1e-2;
    for (int trial = 0; trial < 30; ++trial) {
        testing::WallShape shape;
        shape.benches = std::uniform_int_distribution<int>(1, 12)(random);
        shape.benchesPerStack = std::uniform_int_distribution<int>(1, 6)(random);
        shape.benchHeight = uniform(0.5, 30);
        shape.faceAngle = uniform(20, 90);
        shape.stepOut = trial % 5 == 0 ? 0 : uniform(0, 10);
        shape.berm = uniform(0, 25);
        const Material material{uniform(5, 35), trial % 7 == 0 ? 0 : uniform(0, 300),
                                trial % 6 == 0 ? 0 : uniform(0, 60)};
        const SlopeDesignState s = testing::designedWall(shape);
        SCOPED_TRACE(::testing::Message()
                     << "trial " << trial << ": " << shape.benches << " benches of "
                     << shape.benchHeight << " m, " << shape.benchesPerStack << " per stack, face "
                     << shape.faceAngle << ", c " << material.cohesion << ", phi "
                     << material.frictionAngle);
        const WallStability r =
            analyseWallStability(s.profileX, s.profileY, shape.benchesPerStack, material, quick);
        ASSERT_EQ(r.wallProblem, WallProblem::None);
        expectFinite(r.overall, "overall");
        expectFinite(r.worstStack, "worst stack");
        if (r.worstStackIndex >= 0) {
            EXPECT_LE(r.overall.critical.factorOfSafety, r.worstStack.critical.factorOfSafety);
            EXPECT_LT(r.worstStackIndex, static_cast<int>(r.stackFactors.size()));
        }
        for (double f : r.stackFactors) {
            EXPECT_TRUE(std::isfinite(f));
        }
    }
}

} // namespace
} // namespace pitwright::stability
