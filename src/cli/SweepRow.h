#pragma once

#include "cli/CatchBermFigures.h"
#include "cli/HeadlessPlatform.h"
#include "cli/MemoryFileStore.h"
#include "cli/SweepColumns.h"
#include "cli/WindowFields.h"
#include "files/CsvReader.h"
#include "files/CsvWriter.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pitwright::cli {

// What one row of a sweep gives.
struct SweepRowResult {
    // The sixteen fields as the window shows them, in the order of
    // shownFields(); empty when the row was not read.
    std::array<std::string, kShownFieldCount> fields;
    // The catch berm check of the design, as show reports it.
    CatchBermFigures catchBerm;
    // The texts of the window's message boxes, joined by " | ".
    std::string messages;
    // Empty when the design was drawn; else why not: the window's refusal,
    // or what keeps the row from being read at all.
    std::string reason;
};

// Turns rows into designs, one fresh window each, opened from a data file in
// memory by the window's own open steps. One evaluator serves one thread.
class SweepRowEvaluator {
public:
    explicit SweepRowEvaluator(const SweepColumns& columns);
    SweepRowEvaluator(const SweepRowEvaluator&) = delete;
    SweepRowEvaluator& operator=(const SweepRowEvaluator&) = delete;

    void evaluate(const CsvRecord& row, SweepRowResult& result);

private:
    // Why the row is not handed to the window at all: a broken record, a
    // wrong number of fields, an unknown convention or a decimal comma.
    std::string whyNotRead(const CsvRecord& row) const;
    std::string_view field(const CsvRecord& row, SweepInput input) const;
    std::string headerName(SweepInput input) const;

    const SweepColumns& columns_;
    MemoryFileStore store_;
    HeadlessPlatform platform_{store_};
};

// The header of the results: the input's own header, then the sixteen
// fields, the catch berm check, "messages" and "reason".
std::vector<std::string> sweepResultHeader(const std::vector<std::string>& inputHeader);

// Appends one row of results: the row's fields as read (as many as the
// header has, missing ones empty), then the result's.
void appendSweepResult(CsvWriter& writer, std::string& out, const CsvRecord& row,
                       std::size_t headerFieldCount, const SweepRowResult& result);

} // namespace pitwright::cli
