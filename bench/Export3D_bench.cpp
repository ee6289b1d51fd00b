// The 3D shell, its ASC text and the whole "Write a 3D-file" command up to
// the moment the Save dialog opens.
#include "export3d/AscText.h"
#include "export3d/Surface3D.h"
#include "files/FileDialog.h"
#include "files/FileStore.h"
#include "section/Canvas.h"
#include "section/SectionProfile.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

namespace pitwright {
namespace {

// A slope of n benches, 0.4 m high so that even 32,767 of them stay below
// the 13,107 m a shell can have, in stacks of 5 with step outs and berms
// whose widths have every digit.
void designSlope(SlopeDesignState& state, int n) {
    state.numberOfBenches = static_cast<std::int16_t>(n);
    state.benchesPerStack = 5;
    state.numberOfStacks = static_cast<std::int16_t>((n + 4) / 5);
    state.numberOfBerms = static_cast<std::int16_t>(state.numberOfStacks - 1);
    state.benchHeight = 0.4;
    state.slopeHeight = 0.4 * n;
    state.benchHorizontalExtent = 0.4 / 3.7320508075688772;
    state.stepOutWidth = 0.13;
    state.bermWidth = 0.7071067811865476;
    buildSectionProfile(state);
}

SlopeDesignState slopeOf(int n) {
    SlopeDesignState state;
    designSlope(state, n);
    return state;
}

void BM_Build3DSurface(benchmark::State& run) {
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        benchmark::DoNotOptimize(build3DSurface(state));
    }
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_Build3DSurface)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_AscText(benchmark::State& run) {
    const auto quads = build3DSurface(slopeOf(static_cast<int>(run.range(0))));
    std::size_t bytes = 0;
    for (auto _ : run) {
        const std::string text = ascText(quads);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_AscText)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_SurfaceAndAscText(benchmark::State& run) {
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    std::size_t bytes = 0;
    for (auto _ : run) {
        const std::string text = ascText(build3DSurface(state));
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(BM_SurfaceAndAscText)
    ->RangeMultiplier(4)
    ->Range(1000, 32767)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The screen, with a Save dialog that is cancelled the moment it opens.
class CancellingPlatform : public WindowPlatform, Canvas, FileDialog, FileStore {
public:
    void messageBox(const std::string&, const std::string&) override {}
    void setFocus(ControlId) override {}
    void setMousePointer(MousePointer) override {}
    void doEvents() override {}
    PrintOutcome printWindow() override { return {}; }
    Canvas& canvas() override { return *this; }
    FileDialog& fileDialog() override { return *this; }
    FileDialog& exportDialog() override { return *this; }
    FileStore& fileStore() override { return *this; }
    SheetBytes paintSectionSheet(const SectionSheetInput&, SheetFormat) override { return {}; }

    void Cls() override {}
    float ScaleWidth() const override { return 560; }
    float ScaleHeight() const override { return 520; }
    void DrawWidth(int) override {}
    void Line(float, float, float, float, std::uint32_t) override {}

    std::optional<std::string> showSave() override { return std::nullopt; }
    std::optional<std::string> showOpen() override { return std::nullopt; }

    FileWriteResult writeProduced(const std::string&, const BlockProducer&) override { return {}; }
    FileReadResult readStart(const std::string&, std::size_t) override { return {}; }
};

void BM_Write3DFileUntilTheSaveDialog(benchmark::State& run) {
    CancellingPlatform platform;
    frmPitwrightMain window(platform);
    window.Form_Load();
    designSlope(window.state(), static_cast<int>(run.range(0)));
    window.cmdCalcAndDraw_Click(); // the export takes only the drawn design
    for (auto _ : run) {
        window.cmd3Dview_Click();
    }
}
BENCHMARK(BM_Write3DFileUntilTheSaveDialog)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
