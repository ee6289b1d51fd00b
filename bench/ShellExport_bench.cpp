// The shell as a drawing exchange file, an OBJ mesh and an STL mesh, for the
// largest design a shell can have: 32,767 benches of 0.4 m (13,106.8 m), 7
// to a stack, typed into the window and drawn. Each writer's throughput
// stands beside copying the same number of bytes into a new string.
#include "export3d/ShellDxf.h"
#include "export3d/ShellObj.h"
#include "export3d/ShellStl.h"
#include "export3d/Surface3D.h"
#include "export3d/WatertightMesh.h"
#include "support/FakePlatform.h"
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace pitwright {
namespace {

using MainWindow = frmPitwrightMain; // before the control names hide it
using enum ControlId;

struct LargestShell {
    int benches = 0;
    std::vector<SurfaceQuad> panels;
    WatertightMesh mesh;
    std::string dxf, obj, stl;
};

const LargestShell& largestShell() {
    static const LargestShell shell = [] {
        testing::FakePlatform platform;
        MainWindow window(platform);
        window.Form_Load();
        testing::typeDesign(
            window, {InterRampConvention::CrestToToe, "13106.8", "0.4", "7", "45", "60", "75"});
        window.focusGained(cmdCalcAndDraw);
        window.clicked(cmdCalcAndDraw);
        LargestShell s;
        s.benches = window.state().numberOfBenches;
        s.panels = build3DSurface(window.state());
        s.mesh = buildWatertightMesh(s.panels).mesh;
        s.dxf = shellDxfFile(s.panels).bytes;
        s.obj = shellObjFile(s.panels).bytes;
        s.stl = shellStlFile(s.panels).bytes;
        return s;
    }();
    return shell;
}

bool isLargest(benchmark::State& run) {
    const LargestShell& shell = largestShell();
    if (shell.benches != 32767 || shell.stl.empty() || shell.obj.empty()) {
        run.SkipWithError("the typed design is not the 32,767-bench shell it should be");
        return false;
    }
    run.counters["benches"] = shell.benches;
    return true;
}

template <typename Write> void measureText(benchmark::State& run, Write write) {
    if (!isLargest(run)) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : run) {
        const std::string text = write(largestShell());
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_ShellDxf(benchmark::State& run) {
    measureText(run, [](const LargestShell& s) { return shellDxfFile(s.panels).bytes; });
}
BENCHMARK(BM_ShellDxf)->Unit(benchmark::kMillisecond);

// Building the mesh alone: merging, splitting, cutting into triangles and
// checking that it closes.
void BM_WatertightMesh(benchmark::State& run) {
    if (!isLargest(run)) {
        return;
    }
    for (auto _ : run) {
        benchmark::DoNotOptimize(buildWatertightMesh(largestShell().panels));
    }
    run.counters["triangles"] = static_cast<double>(largestShell().mesh.triangles.size());
}
BENCHMARK(BM_WatertightMesh)->Unit(benchmark::kMillisecond);

// From the panels, mesh included, as the window would call them.
void BM_ShellObj(benchmark::State& run) {
    measureText(run, [](const LargestShell& s) { return shellObjFile(s.panels).bytes; });
}
BENCHMARK(BM_ShellObj)->Unit(benchmark::kMillisecond);

void BM_ShellStl(benchmark::State& run) {
    measureText(run, [](const LargestShell& s) { return shellStlFile(s.panels).bytes; });
}
BENCHMARK(BM_ShellStl)->Unit(benchmark::kMillisecond);

// The writers alone, from a mesh built beforehand.
void BM_ObjText(benchmark::State& run) {
    measureText(run, [](const LargestShell& s) {
        std::string text;
        appendShellObj(s.mesh, text);
        return text;
    });
}
BENCHMARK(BM_ObjText)->Unit(benchmark::kMillisecond);

void BM_StlBytes(benchmark::State& run) {
    measureText(run, [](const LargestShell& s) {
        std::string bytes;
        benchmark::DoNotOptimize(appendShellStl(s.mesh, bytes));
        return bytes;
    });
}
BENCHMARK(BM_StlBytes)->Unit(benchmark::kMillisecond);

// The baseline: a new string holding a copy of the file, 0 the DXF, 1 the
// OBJ, 2 the STL.
void BM_CopyOfTheSameBytes(benchmark::State& run) {
    if (!isLargest(run)) {
        return;
    }
    const LargestShell& s = largestShell();
    const std::string& source = run.range(0) == 0 ? s.dxf : run.range(0) == 1 ? s.obj : s.stl;
    measureText(run, [&source](const LargestShell&) { return std::string(source); });
}
BENCHMARK(BM_CopyOfTheSameBytes)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
