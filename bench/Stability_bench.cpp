// Speed of the stability analysis of a drawn design: the whole search
// (overall and worst stack) on walls of 10 and 100 benches, on one thread
// and on two, beside a single circle and a small slope of the same run; and
// one recompute of the "Check stability" window, beside the analysis alone.
#include "stability/CircleEvaluation.h"
#include "stability/CircleSearch.h"
#include "stability/WallStability.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/StabilityAnalysis.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

namespace pitwright {
namespace {

using namespace stability;

const Material kRock{26, 50, 35};

// The README's design (10 m benches, 5 to a stack, crest-to-toe 45, stack
// angle 60, bench angle 75) with `benches` benches, drawn.
SlopeDesignState drawnDesign(int benches) {
    testing::FakePlatform platform;
    frmPitwrightMain window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, benches);
    window.cmdCalcAndDraw_Click();
    return window.state();
}

void BM_WallStability(benchmark::State& run) {
    const SlopeDesignState design = drawnDesign(static_cast<int>(run.range(0)));
    SearchSettings settings;
    settings.threads = static_cast<int>(run.range(1));
    WallStability result;
    for (auto _ : run) {
        result = analyseWallStability(design.profileX, design.profileY, design.benchesPerStack,
                                      kRock, settings);
        benchmark::DoNotOptimize(result.overall.critical.factorOfSafety);
    }
    run.counters["overallF"] = result.overall.critical.factorOfSafety;
    run.counters["stackF"] = result.worstStack.critical.factorOfSafety;
    run.counters["circles"] = static_cast<double>(result.overall.circlesTried);
    run.counters["stepOut"] = design.stepOutWidth;
    run.counters["berm"] = design.bermWidth;
}
BENCHMARK(BM_WallStability)
    ->ArgNames({"benches", "threads"})
    ->Args({10, 1})
    ->Args({10, 2})
    ->Args({100, 1})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond);

// What the window does each time a value or the drawn design changes: read
// the values, analyse the drawn design (on every core, as BM_WallStability
// with threads 2 on two cores) and put the figures in words.
void BM_StabilityCheckRecompute(benchmark::State& run) {
    testing::FakePlatform platform;
    frmPitwrightMain window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, static_cast<int>(run.range(0)));
    window.cmdCalcAndDraw_Click();
    const StabilityInputTexts inputs{"26", "50", "35", "1.3"};
    StabilityAnalysis shown;
    for (auto _ : run) {
        shown = analyseDrawnDesign(window, inputs);
        benchmark::DoNotOptimize(shown.lines.data());
    }
    if (!shown.hasFigures()) {
        run.SkipWithError("the drawn design gave no figures");
        return;
    }
    run.counters["overallF"] = shown.overall->factorOfSafety;
    run.counters["lines"] = static_cast<double>(shown.lines.size());
}
BENCHMARK(BM_StabilityCheckRecompute)
    ->ArgNames({"benches"})
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

// Baseline: one circle of the 100-bench wall, the critical one, cut into
// its slices and solved.
void BM_OneCircleOfTheHundredBenchWall(benchmark::State& run) {
    const SlopeDesignState design = drawnDesign(100);
    const WallGround wall = buildWallGround(design.profileX, design.profileY);
    const SearchResult found = searchCriticalCircle(wall.model, kRock, {}, {});
    CircleEvaluator evaluator(wall.model.surface, strengthOf(kRock), kRock.unitWeight, {});
    for (auto _ : run) {
        benchmark::DoNotOptimize(evaluator.factorOf(found.critical.circle));
    }
    run.counters["slices"] = static_cast<double>(found.critical.slices.size());
}
BENCHMARK(BM_OneCircleOfTheHundredBenchWall)->Unit(benchmark::kMicrosecond);

// Baseline: the search on a plain 2:1 slope over a firm base.
void BM_SearchOfAPlainSlope(benchmark::State& run) {
    const GroundModel slope{Ground({{20, 25}, {30, 25}, {50, 35}, {70, 35}}), 20.0};
    SearchSettings settings;
    settings.threads = 1;
    for (auto _ : run) {
        benchmark::DoNotOptimize(searchCriticalCircle(slope, {20, 3, 19.6}, {}, settings));
    }
}
BENCHMARK(BM_SearchOfAPlainSlope)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
