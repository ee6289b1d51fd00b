// The 3D shell and its ASC text, each figure beside what the machine does
// with the same bytes in the same run: copying them into fresh memory, or
// writing them to a file with write(). Also the whole "Write a 3D-file"
// command up to the moment the Save dialog opens.
#include "bench/AllocationCount.h"
#include "bench/SameRunBaselines.h"
#include "export3d/AscShell.h"
#include "export3d/AscText.h"
#include "export3d/Surface3D.h"
#include "files/FileDialog.h"
#include "files/FileStore.h"
#include "section/Canvas.h"
#include "section/SectionProfile.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>

namespace pitwright {
namespace {

using namespace pitwright::bench;

constexpr std::size_t kFileBlockBytes = std::size_t{1} << 20;

// A slope of n benches, 0.4 m high so that even 32,767 of them stay below
// the 13,107 m a shell can have, 7 to a stack, with step outs and berms whose
// widths have every digit.
void designSlope(SlopeDesignState& state, int n) {
    state.numberOfBenches = static_cast<std::int16_t>(n);
    state.benchesPerStack = 7;
    state.numberOfStacks = static_cast<std::int16_t>((n + 6) / 7);
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

std::string ascTextOf(const SlopeDesignState& state) {
    return AscShell(state).text();
}

void BM_Build3DSurface(benchmark::State& run) {
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        benchmark::DoNotOptimize(build3DSurface(state));
    }
}
BENCHMARK(BM_Build3DSurface)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The route through the list of panels, for comparison.
void BM_PanelsAndAscText(benchmark::State& run) {
    takeLargeBlocksFreshFromTheSystem();
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    const std::size_t size = ascTextOf(state).size();
    std::size_t peak = 0;
    for (auto _ : run) {
        resetPeak();
        const std::string text = ascText(build3DSurface(state));
        benchmark::DoNotOptimize(text.data());
        peak = std::max(peak, peakSinceReset());
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * size));
    run.counters["peak_vs_text"] = static_cast<double>(peak) / static_cast<double>(size);
}
BENCHMARK(BM_PanelsAndAscText)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// Shell and text straight from the profile into one string, beside a copy of
// the same bytes into fresh memory.
void BM_ShellAndAscText(benchmark::State& run) {
    takeLargeBlocksFreshFromTheSystem();
    const auto benches = static_cast<double>(run.range(0));
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    const std::string reference = ascTextOf(state);
    double textSeconds = 0;
    double copySeconds = 0;
    std::size_t peak = 0;
    for (auto _ : run) {
        resetPeak();
        textSeconds += secondsFor([&] {
            const std::string text = ascTextOf(state);
            benchmark::DoNotOptimize(text.data());
        });
        peak = std::max(peak, peakSinceReset());
        run.PauseTiming();
        copySeconds += secondsFor([&] { copyIntoFreshMemory(reference); });
        run.ResumeTiming();
    }
    const auto bytes =
        static_cast<double>(run.iterations()) * static_cast<double>(reference.size());
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    run.counters["text_MB"] = static_cast<double>(reference.size()) / 1e6;
    run.counters["ns_per_bench"] =
        textSeconds * 1e9 / static_cast<double>(run.iterations()) / benches;
    run.counters["text_GB/s"] = bytes / textSeconds / 1e9;
    run.counters["memcpy_GB/s"] = bytes / copySeconds / 1e9;
    run.counters["vs_memcpy"] = copySeconds / textSeconds;
    run.counters["peak_vs_text"] =
        static_cast<double>(peak) / static_cast<double>(reference.size());
}
BENCHMARK(BM_ShellAndAscText)
    ->Arg(1000)
    ->Arg(4096)
    ->Arg(16384)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

// The text in blocks of 1 MiB to a sink that only takes note of them.
std::size_t blockBytesOf(const SlopeDesignState& state) {
    std::size_t bytes = 0;
    AscShell(state).forEachBlock(kFileBlockBytes, [&bytes](std::string_view block) {
        bytes += block.size();
        return true;
    });
    return bytes;
}

// Time per bench of the smallest and the largest design, each taken in turn
// with the same work on the other so that both see the same machine: the
// whole text, the text in blocks, and a copy of the same bytes into fresh
// memory, whose growth is that of the memory itself.
void BM_ShellAndAscTextTimePerBench(benchmark::State& run) {
    takeLargeBlocksFreshFromTheSystem();
    constexpr int kSmall = 1000;
    constexpr int kLarge = 32767;
    constexpr int kSmallRounds = 16; // about half the time of one large design
    const SlopeDesignState small = slopeOf(kSmall);
    const SlopeDesignState large = slopeOf(kLarge);
    const std::string smallText = ascTextOf(small);
    const std::string largeText = ascTextOf(large);

    struct Growth {
        double small = 0; // seconds
        double large = 0;
    };
    Growth text, blocks, copy;
    auto timeBoth = [&](Growth& growth, auto&& work) {
        growth.small += secondsFor([&] {
            for (int round = 0; round < kSmallRounds; ++round) {
                work(small, smallText);
            }
        });
        growth.large += secondsFor([&] { work(large, largeText); });
    };
    for (auto _ : run) {
        timeBoth(text, [](const SlopeDesignState& s, const std::string&) {
            benchmark::DoNotOptimize(ascTextOf(s).data());
        });
        timeBoth(blocks, [](const SlopeDesignState& s, const std::string&) {
            benchmark::DoNotOptimize(blockBytesOf(s));
        });
        run.PauseTiming();
        timeBoth(copy, [](const SlopeDesignState&, const std::string& bytes) {
            copyIntoFreshMemory(bytes);
        });
        run.ResumeTiming();
    }
    // Per bench for the texts; per byte for the copy, which grows alike.
    const auto smallWork = static_cast<double>(run.iterations()) * kSmallRounds;
    const auto largeWork = static_cast<double>(run.iterations());
    run.counters["ns_per_bench_1000"] = text.small / smallWork / kSmall * 1e9;
    run.counters["ns_per_bench_32767"] = text.large / largeWork / kLarge * 1e9;
    auto growthPercent = [&](const Growth& g) {
        return ((g.large / largeWork) / (g.small / smallWork) * kSmall / kLarge - 1) * 100;
    };
    run.counters["text_growth_%"] = growthPercent(text);
    run.counters["blocks_growth_%"] = growthPercent(blocks);
    run.counters["memcpy_growth_%"] =
        ((copy.large / largeWork / static_cast<double>(largeText.size())) /
             (copy.small / smallWork / static_cast<double>(smallText.size())) -
         1) *
        100;
}
BENCHMARK(BM_ShellAndAscTextTimePerBench)->Unit(benchmark::kMillisecond);

// The file written in blocks of 1 MiB straight from the profile, beside
// write() of the same bytes, both from opening the file to closing it.
void BM_StreamedAscFile(benchmark::State& run) {
    takeLargeBlocksFreshFromTheSystem();
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    const std::string reference = ascTextOf(state);
    const TemporaryFile file;
    double streamSeconds = 0;
    double writeSeconds = 0;
    std::size_t peak = 0;
    for (auto _ : run) {
        resetPeak();
        streamSeconds += secondsFor([&] {
            const AscShell shell(state);
            const int fd = file.openEmptied();
            const bool written = shell.forEachBlock(
                kFileBlockBytes, [fd](std::string_view block) { return writeAll(fd, block); });
            close(fd);
            if (!written) {
                run.SkipWithError("the file was not written");
            }
        });
        peak = std::max(peak, peakSinceReset());
        run.PauseTiming();
        writeSeconds += secondsFor([&] { writeWithOneCall(file, reference); });
        run.ResumeTiming();
    }
    const auto bytes =
        static_cast<double>(run.iterations()) * static_cast<double>(reference.size());
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    run.counters["file_GB/s"] = bytes / streamSeconds / 1e9;
    run.counters["write_GB/s"] = bytes / writeSeconds / 1e9;
    run.counters["vs_write"] = writeSeconds / streamSeconds;
    run.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    run.counters["peak_vs_text"] =
        static_cast<double>(peak) / static_cast<double>(reference.size());
}
BENCHMARK(BM_StreamedAscFile)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

// What the export needs before the Save dialog opens: the number texts and
// the first lines for the comment line.
void BM_ShellAndPreview(benchmark::State& run) {
    const SlopeDesignState state = slopeOf(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        const AscShell shell(state);
        benchmark::DoNotOptimize(shell.preview(16 * 1024).lines.data());
    }
}
BENCHMARK(BM_ShellAndPreview)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_Write3DFileUntilTheSaveDialog)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
