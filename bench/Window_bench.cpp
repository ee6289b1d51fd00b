// Speed of the window's reactions: one keystroke's chain of relations and
// "Accept values and draw picture" on designs of 10 to 32,767 benches, the
// latter beside its berm widening made one addition at a time.
#include "bench/SameRunBaselines.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

#include <string>

namespace pitwright {
namespace {

using MainWindow = frmPitwrightMain; // before the control names hide it
using testing::FakePlatform;
using enum ControlId;

// One key in the stack angle of a finished design: the stack relation, the
// derived inter-ramp angle and its nested relation, and the stage flags.
void BM_KeystrokeInStackAngle(benchmark::State& state) {
    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, 10);
    window.clicked(cmdClearAngles);
    bool odd = false;
    for (auto _ : state) {
        window.userEditedText(txtStackAngle, odd ? "61" : "62");
        odd = !odd;
    }
}
BENCHMARK(BM_KeystrokeInStackAngle);

// One key in benches per stack: stack counts, whole stacks and the raised
// slope height, with the nested rewrite of "2." as "2".
void BM_KeystrokeInBenchesPerStack(benchmark::State& state) {
    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    window.userEditedText(txtSlopeHeight, "100");
    window.userEditedText(txtBenchHeight, "10");
    window.focusGained(txtBenchesPerStack);
    bool odd = false;
    for (auto _ : state) {
        window.userEditedText(txtBenchesPerStack, odd ? "2." : "3");
        odd = !odd;
    }
}
BENCHMARK(BM_KeystrokeInBenchesPerStack);

// The berm widening of the profile and of the picture as the passes over the
// ledges are written: every addition one at a time.
void widenPassByPass(PointRows& x, int n, int perStack, int berms, double shift) {
    for (long long j = 1; j <= berms + 1LL; ++j) {
        for (long long k = j * perStack; k <= n - 1; ++k) {
            x(static_cast<std::size_t>(k), 1) = shift + x(static_cast<std::size_t>(k), 1);
            x(static_cast<std::size_t>(k) + 1, 0) = shift + x(static_cast<std::size_t>(k) + 1, 0);
        }
    }
}

double secondsToWidenOneAdditionAtATime(const SlopeDesignState& s) {
    PointRows profile = s.profileX;
    PointRows picture = s.profileX; // the picture has the profile's shape
    const double seconds = bench::secondsFor([&] {
        widenPassByPass(profile, s.numberOfBenches, s.benchesPerStack, s.numberOfBerms,
                        s.bermWidth - s.stepOutWidth);
        widenPassByPass(picture, s.numberOfBenches, s.benchesPerStack, s.numberOfBerms,
                        s.bermWidth - s.stepOutWidth);
    });
    benchmark::DoNotOptimize(profile.data());
    benchmark::DoNotOptimize(picture.data());
    return seconds;
}

// Draws the design typed into the window again and again; beside it, once,
// its two berm widenings made one addition at a time.
void drawAgainAndAgain(benchmark::State& state, MainWindow& window, FakePlatform& platform) {
    double seconds = 0;
    for (auto _ : state) {
        seconds += bench::secondsFor([&] { window.cmdCalcAndDraw_Click(); });
        benchmark::DoNotOptimize(platform.picture.strokes.data());
    }
    const double perDrawing = seconds / static_cast<double>(state.iterations());
    state.counters["lines"] = static_cast<double>(platform.picture.strokes.size());
    if (window.state().numberOfBenches >= 1000) {
        const double oneAtATime = secondsToWidenOneAdditionAtATime(window.state());
        state.counters["widening_one_at_a_time_ms"] = oneAtATime * 1e3;
        state.counters["vs_one_at_a_time"] = oneAtATime / perDrawing;
    }
}

void BM_AcceptValuesAndDraw(benchmark::State& state) {
    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    testing::enterBenchDesign(window, static_cast<int>(state.range(0)));
    drawAgainAndAgain(state, window, platform);
}
BENCHMARK(BM_AcceptValuesAndDraw)->Arg(10)->Arg(1000)->Arg(32767)->Unit(benchmark::kMicrosecond);

// The worst case of the berm widening: one bench per stack, 32,767 stacks.
void BM_AcceptValuesAndDrawOneBenchPerStack(benchmark::State& state) {
    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    window.userEditedText(txtSlopeHeight, "327670");
    window.userEditedText(txtBenchHeight, "10");
    window.focusGained(txtBenchesPerStack);
    window.userEditedText(txtBenchesPerStack, "1");
    window.userEditedText(txtCrestToToeSlopeAngle, "45");
    window.userEditedText(txtStackAngle, "50");
    window.focusGained(cmdCalcAndDraw);
    drawAgainAndAgain(state, window, platform);
}
BENCHMARK(BM_AcceptValuesAndDrawOneBenchPerStack)->Unit(benchmark::kMillisecond);

// "Open saved data" of the 100 m design through to its drawing.
void BM_OpenSavedDataAndDraw(benchmark::State& state) {
    FakePlatform platform;
    MainWindow window(platform);
    window.Form_Load();
    platform.files.files["/design.DAT"] = "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n";
    bool emptied = false;
    for (auto _ : state) {
        // Alternate with an empty design, so that every field changes.
        platform.files.files["/empty.DAT"] = "\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
        platform.dialog.answer(emptied ? "/design.DAT" : "/empty.DAT");
        window.mnuOpenSavedData_Click();
        emptied = !emptied;
    }
}
BENCHMARK(BM_OpenSavedDataAndDraw)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pitwright
