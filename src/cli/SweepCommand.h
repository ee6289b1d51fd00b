#pragma once

#include "files/FileStore.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace pitwright::cli {

struct SweepRequest {
    std::string input;
    std::optional<std::string> output; // the standard output when missing
    unsigned threads = 1;
    bool progress = false; // a bar on `err`, for a terminal
};

// The largest table a sweep reads; it is read whole before the first row.
inline constexpr std::size_t kSweepInputLimit = std::size_t{4} << 30;

// Reads the table through `files`, sweeps it and writes the results through
// `files` (whole or not at all) or to `out`. Returns done also when rows
// were refused; failed when the results could not be written; usage when
// the table cannot be read or swept.
int runSweepCommand(const SweepRequest& request, FileStore& files, std::ostream& out,
                    std::ostream& err);

} // namespace pitwright::cli
