#include "cli/Sweep.h"

#include "cli/SweepRow.h"
#include "files/CsvReader.h"
#include "files/CsvWriter.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace pitwright::cli {
namespace {

// Rows a thread takes from a block at a time, and rows in a block for each
// thread: enough that starting the threads costs nothing worth measuring,
// few enough that a block stays small.
constexpr std::size_t kRowsPerClaim = 16;
constexpr std::size_t kRowsPerThreadInBlock = 1024;
constexpr std::size_t kMostRowsInBlock = 64 * 1024;

struct Block {
    std::vector<CsvRecord> rows; // reused: records keep their strings' room
    std::vector<SweepRowResult> results;
    std::size_t count = 0;
};

void readBlock(CsvReader& reader, Block& block, std::size_t capacity) {
    if (block.rows.size() < capacity) {
        block.rows.resize(capacity);
        block.results.resize(capacity);
    }
    block.count = 0;
    while (block.count < capacity && reader.next(block.rows[block.count])) {
        ++block.count;
    }
}

void evaluateClaims(SweepRowEvaluator& evaluator, Block& block, std::atomic<std::size_t>& next) {
    for (;;) {
        const std::size_t first = next.fetch_add(kRowsPerClaim);
        if (first >= block.count) {
            return;
        }
        const std::size_t end = std::min(block.count, first + kRowsPerClaim);
        for (std::size_t i = first; i < end; ++i) {
            SweepRowResult& result = block.results[i];
            try {
                evaluator.evaluate(block.rows[i], result);
            } catch (const std::exception& error) {
                // One design that fails must not end a sweep of a million.
                result = {};
                result.reason = std::string("the design could not be evaluated: ") + error.what();
            }
        }
    }
}

// Starts evaluating a block; the threads are joined when the returned
// vector is cleared or destroyed.
std::vector<std::jthread>
startEvaluating(std::vector<std::unique_ptr<SweepRowEvaluator>>& evaluators, Block& block,
                std::atomic<std::size_t>& next) {
    next = 0;
    std::vector<std::jthread> threads;
    threads.reserve(evaluators.size());
    for (auto& evaluator : evaluators) {
        threads.emplace_back(
            [&evaluator, &block, &next] { evaluateClaims(*evaluator, block, next); });
    }
    return threads;
}

// Lines of the table, counted as the reader counts them, to tell how much
// of it has been read.
std::size_t linesOf(std::string_view bytes) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        lines += c == '\n' || (c == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'));
    }
    return lines;
}

} // namespace

SweepPlanFound planSweep(std::string_view bytes) {
    CsvReader reader(bytes);
    if (reader.isUtf16()) {
        return {std::nullopt, "the table is in UTF-16 (\"Unicode text\"); save it as CSV in "
                              "UTF-8 (or in the system's code page) instead"};
    }
    CsvRecord header;
    if (!reader.next(header)) {
        return {std::nullopt, "the table is empty: it has no header row"};
    }
    if (header.problem != CsvProblem::None) {
        return {std::nullopt, "the header row is not a well-formed CSV record (a quote in it "
                              "is not closed, or text follows a closing quote)"};
    }
    SweepColumnsFound found = findSweepColumns(header.fields);
    if (!found.columns) {
        return {std::nullopt, found.problem};
    }
    SweepPlan plan;
    plan.bytes = bytes;
    plan.delimiter = reader.delimiter();
    plan.byteOrderMark = reader.hadByteOrderMark();
    plan.columns = std::move(*found.columns);
    return {std::move(plan), {}};
}

bool runSweep(const SweepPlan& plan, const BlockWriter& write, unsigned threads, SweepTally& tally,
              const SweepProgress& progress) {
    tally = {};
    CsvReader reader(plan.bytes, plan.delimiter);
    CsvRecord header;
    reader.next(header);
    const std::size_t headerFields = header.fields.size();

    CsvWriter writer(plan.delimiter, plan.byteOrderMark);
    std::string out;
    writer.appendRecord(out, sweepResultHeader(header.fields));
    if (!write(out)) {
        return false;
    }

    threads = std::max(1u, threads);
    std::vector<std::unique_ptr<SweepRowEvaluator>> evaluators;
    for (unsigned i = 0; i < threads; ++i) {
        evaluators.push_back(std::make_unique<SweepRowEvaluator>(plan.columns));
    }
    const std::size_t capacity = std::min(kMostRowsInBlock, kRowsPerThreadInBlock * threads);
    const double totalLines = progress ? static_cast<double>(linesOf(plan.bytes)) : 1.0;

    // While the threads evaluate one block, this one writes out the block
    // before it and reads the block after it.
    auto flush = [&](const Block& block) {
        out.clear();
        for (std::size_t i = 0; i < block.count; ++i) {
            appendSweepResult(writer, out, block.rows[i], headerFields, block.results[i]);
            tally.refused += !block.results[i].reason.empty();
        }
        tally.designs += block.count;
        if (!write(out)) {
            return false;
        }
        if (progress) {
            progress(tally.designs, std::min(1.0, static_cast<double>(reader.line()) / totalLines));
        }
        return true;
    };

    Block blocks[2];
    Block* current = &blocks[0];
    Block* other = &blocks[1];
    bool otherEvaluated = false;
    std::atomic<std::size_t> next{0};
    readBlock(reader, *current, capacity);
    while (current->count > 0) {
        std::vector<std::jthread> running = startEvaluating(evaluators, *current, next);
        if (otherEvaluated && !flush(*other)) {
            return false; // the threads are joined on the way out
        }
        readBlock(reader, *other, capacity);
        running.clear();
        std::swap(current, other);
        otherEvaluated = true;
    }
    return !otherEvaluated || flush(*other);
}

} // namespace pitwright::cli
