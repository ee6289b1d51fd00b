#pragma once

#include "cli/SweepColumns.h"
#include "files/CsvDelimiter.h"
#include "files/FileStore.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pitwright::cli {

// A table of designs whose header has been found good.
struct SweepPlan {
    std::string_view bytes; // the whole table, kept alive by the caller
    CsvDelimiter delimiter = CsvDelimiter::Comma;
    bool byteOrderMark = false;
    SweepColumns columns;
};

struct SweepPlanFound {
    std::optional<SweepPlan> plan;
    std::string problem; // why the table cannot be swept; empty when it can
};

// Reads the header of a table and finds its columns. Nothing is written
// anywhere yet, so a table that cannot be swept leaves every file alone.
SweepPlanFound planSweep(std::string_view bytes);

struct SweepTally {
    std::size_t designs = 0;
    std::size_t refused = 0; // rows with a reason: not read, or not drawn
};

// After each block of rows: the designs done so far and the share of the
// table read.
using SweepProgress = std::function<void(std::size_t designs, double shareRead)>;

// Writes the results, header first, to `write` block by block, in the order
// of the rows. The rows are evaluated on `threads` threads, each with its
// own window and platform, a block at a time, so a table of any length
// needs only a few thousand rows in memory. Returns false when `write`
// refused a block; the tally counts the rows written.
bool runSweep(const SweepPlan& plan, const BlockWriter& write, unsigned threads, SweepTally& tally,
              const SweepProgress& progress = {});

} // namespace pitwright::cli
