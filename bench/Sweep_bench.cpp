// Designs a second through the sweep: one row in a fresh window, and whole
// tables on one thread and on every core, beside a baseline of opening the
// same designs one after the other in one window.
#include "cli/HeadlessPlatform.h"
#include "cli/MemoryFileStore.h"
#include "cli/Sweep.h"
#include "cli/SweepRow.h"
#include "files/CsvReader.h"
#include "ui/frmPitwrightMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace pitwright {
namespace {

using MainWindow = frmPitwrightMain;

constexpr int kRows = 100'000;

// Designs of 5 to 40 benches in both conventions, some of them with an angle
// the window corrects; every one of them is drawn.
const std::string& designTable() {
    static const std::string table = [] {
        std::string text = "id,convention,slope height,bench height,benches per stack,"
                           "crest-to-toe,toe-to-toe,stack angle,bench angle\r\n";
        for (int i = 0; i < kRows; ++i) {
            const bool toe = i % 2 == 1;
            text += std::to_string(i) + (toe ? ",T," : ",C,") + std::to_string(50 + i % 350) +
                    ",10," + std::to_string(1 + i % 7) + (toe ? ",,40," : ",45,,") +
                    std::to_string(55 + i % 10) + "," + std::to_string(60 + i % 20) + "\r\n";
        }
        return text;
    }();
    return table;
}

// The same designs as data files, in file order.
const std::vector<std::string>& designFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> made;
        const CsvTable table = readCsvTable(designTable());
        for (const CsvRecord& row : table.rows) {
            std::string bytes;
            for (std::size_t i = 2; i < row.fields.size(); ++i) {
                bytes += row.fields[i] + "\r\n";
            }
            made.push_back(bytes);
        }
        return made;
    }();
    return files;
}

// Baseline: the window's own open steps, design after design in one window
// (crest-to-toe throughout, as a window keeps its convention).
void BM_OpenDesignsInOneWindow(benchmark::State& state) {
    const auto& files = designFiles();
    cli::MemoryFileStore store;
    cli::HeadlessPlatform platform(store);
    MainWindow window(platform);
    window.Form_Load();
    std::size_t next = 0;
    for (auto _ : state) {
        store.put("design.DAT", files[next]);
        next = (next + 1) % files.size();
        window.openDataFile("design.DAT");
        platform.clearMessages();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OpenDesignsInOneWindow);

// One row of a sweep: checks, a data file in memory, a fresh window.
void BM_SweepRowInAFreshWindow(benchmark::State& state) {
    const cli::SweepPlanFound found = cli::planSweep(designTable());
    CsvReader reader(designTable());
    std::vector<CsvRecord> rows;
    CsvRecord record;
    reader.next(record);
    while (reader.next(record)) {
        rows.push_back(record);
    }
    cli::SweepRowEvaluator evaluator(found.plan->columns);
    cli::SweepRowResult result;
    std::size_t next = 0;
    for (auto _ : state) {
        evaluator.evaluate(rows[next], result);
        next = (next + 1) % rows.size();
        benchmark::DoNotOptimize(result.fields.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SweepRowInAFreshWindow);

// A whole table, results written to memory, on one thread and on every
// core (at least two).
void BM_SweepTable(benchmark::State& state) {
    const cli::SweepPlanFound found = cli::planSweep(designTable());
    const auto threads = static_cast<unsigned>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        cli::SweepTally tally;
        cli::runSweep(
            *found.plan,
            [&bytes](std::string_view block) {
                bytes += block.size();
                return true;
            },
            threads, tally);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_SweepTable)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(2u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace pitwright
