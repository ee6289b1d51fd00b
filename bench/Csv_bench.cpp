// Reading and writing a table of a million designs of nine short fields,
// beside a pass of memchr over the same bytes for its line ends.
#include "files/CsvReader.h"
#include "files/CsvWriter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace pitwright {
namespace {

constexpr int kRows = 1'000'000;

// A header and a million rows such as a sweep reads: a convention and the
// seven inputs, one of them empty, one quoted, and a name.
const std::string& designTable() {
    static const std::string table = [] {
        std::string text = "convention,slope height,bench height,benches per stack,crest-to-toe,"
                           "toe-to-toe,stack angle,bench angle,name\r\n";
        for (int i = 0; i < kRows; ++i) {
            text += i % 2 == 0 ? "crest-to-toe," : "toe-to-toe,";
            text += std::to_string(100 + i % 400) + ",10," + std::to_string(1 + i % 7) + ",";
            text += i % 2 == 0 ? "45.5,," : ",50,";
            text += "60,75,\"pit " + std::to_string(i % 1000) + ", west\"\r\n";
        }
        return text;
    }();
    return table;
}

void BM_MemchrLineEnds(benchmark::State& state) {
    const std::string& bytes = designTable();
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* p = bytes.data();
        const char* const end = p + bytes.size();
        while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_MemchrLineEnds)->Unit(benchmark::kMillisecond);

// One record at a time into one reused record, as a sweep streams.
void BM_CsvReaderStreaming(benchmark::State& state) {
    const std::string& bytes = designTable();
    for (auto _ : state) {
        CsvReader reader(bytes);
        CsvRecord record;
        std::size_t fields = 0;
        while (reader.next(record)) {
            fields += record.fields.size();
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_CsvReaderStreaming)->Unit(benchmark::kMillisecond);

// The whole table in memory: a vector of fields a row.
void BM_ReadCsvTable(benchmark::State& state) {
    const std::string& bytes = designTable();
    for (auto _ : state) {
        const CsvTable table = readCsvTable(bytes);
        benchmark::DoNotOptimize(table.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadCsvTable)->Unit(benchmark::kMillisecond);

// Reading the table and writing its rows back: less the streaming read above,
// the cost of writing.
void BM_CsvWriter(benchmark::State& state) {
    const std::string& bytes = designTable();
    std::size_t written = 0;
    for (auto _ : state) {
        CsvReader reader(bytes);
        CsvRecord record;
        CsvWriter writer(reader.delimiter());
        std::string out;
        out.reserve(bytes.size());
        while (reader.next(record)) {
            writer.appendRecord(out, record.fields);
        }
        written = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    if (written != bytes.size()) {
        state.SkipWithError("the table did not come back as it was");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_CsvWriter)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pitwright
