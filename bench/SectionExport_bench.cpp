// The dimensioned section sheet in each of its formats, for a typed design,
// beside the sheet's drawing routine alone and the window's picture of the
// same profile.
#include "section/SectionDrawing.h"
#include "section/SectionSheet.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/SectionSheetExport.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pitwright {
namespace {

// A drawn design of n benches, typed into the window, kept for the run.
struct DrawnDesign {
    testing::FakePlatform platform;
    frmPitwrightMain window{platform};
    std::optional<SectionSheetInput> sheet;

    explicit DrawnDesign(int benches) {
        window.Form_Load();
        testing::enterBenchDesign(window, benches);
        window.cmdCalcAndDraw_Click();
        sheet.emplace(drawnSectionOf(window.state(), InterRampConvention::CrestToToe), "Section",
                      std::vector<TitleRow>{});
        for (ControlId field : {ControlId::txtSlopeHeight, ControlId::txtBenchHeight,
                                ControlId::txtBenchesPerStack, ControlId::txtCrestToToeSlopeAngle,
                                ControlId::txtStackAngle, ControlId::txtBenchAngle}) {
            sheet->titleRows.push_back({"Field", window.controls().text(field)});
        }
    }
};

const DrawnDesign& designOf(int benches) {
    static std::map<int, std::unique_ptr<DrawnDesign>> designs;
    auto& design = designs[benches];
    if (!design) {
        design = std::make_unique<DrawnDesign>(benches);
    }
    return *design;
}

// A sheet that only counts what it is given: the drawing routine's own cost.
class CountingSheet : public Sheet {
public:
    void begin(const SheetFrame&) override {}
    void line(SheetLayer, SheetPoint, SheetPoint) override { ++entities; }
    void dashedLine(SheetLayer, SheetPoint, SheetPoint) override { ++entities; }
    void polyline(SheetLayer, std::span<const SheetPoint> points) override {
        entities += static_cast<long>(points.size());
    }
    void text(SheetLayer, const SheetText&) override { ++entities; }
    void end() override {}
    long entities = 0;
};

void BM_DrawingRoutineOnly(benchmark::State& run) {
    const DrawnDesign& design = designOf(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        CountingSheet sheet;
        drawSectionSheet(*design.sheet, sheet);
        benchmark::DoNotOptimize(sheet.entities);
    }
    run.SetItemsProcessed(run.iterations() * run.range(0));
}
BENCHMARK(BM_DrawingRoutineOnly)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);

// The window's picture of the same profile, onto a canvas that only counts.
class CountingCanvas : public Canvas {
public:
    void Cls() override {}
    float ScaleWidth() const override { return 560; }
    float ScaleHeight() const override { return 520; }
    void DrawWidth(int) override {}
    void Line(float, float, float, float, std::uint32_t) override { ++lines; }
    long lines = 0;
};

void BM_PictureBaseline(benchmark::State& run) {
    const DrawnDesign& design = designOf(static_cast<int>(run.range(0)));
    SlopeDesignState state = design.window.state();
    for (auto _ : run) {
        CountingCanvas canvas;
        drawSection(state, canvas);
        benchmark::DoNotOptimize(canvas.lines);
    }
    run.SetItemsProcessed(run.iterations() * run.range(0));
}
BENCHMARK(BM_PictureBaseline)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);

void renderFormat(benchmark::State& run, SheetFormat format) {
    const DrawnDesign& design = designOf(static_cast<int>(run.range(0)));
    std::size_t bytes = 0;
    for (auto _ : run) {
        const SheetBytes sheet = renderSectionSheet(*design.sheet, format);
        if (!sheet.ok()) {
            run.SkipWithError("the sheet was not rendered");
            break;
        }
        bytes += sheet.bytes.size();
        benchmark::DoNotOptimize(sheet.bytes.data());
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    run.SetItemsProcessed(run.iterations() * run.range(0));
    run.counters["file_bytes"] =
        run.iterations() > 0 ? static_cast<double>(bytes) / static_cast<double>(run.iterations())
                             : 0;
}

void BM_SheetDxf(benchmark::State& run) {
    renderFormat(run, SheetFormat::Dxf);
}
void BM_SheetSvg(benchmark::State& run) {
    renderFormat(run, SheetFormat::Svg);
}
void BM_SheetPdf(benchmark::State& run) {
    renderFormat(run, SheetFormat::Pdf);
}
void BM_SheetPng(benchmark::State& run) {
    renderFormat(run, SheetFormat::Png);
}
BENCHMARK(BM_SheetDxf)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetSvg)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetPdf)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetPng)->Arg(10)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
