#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pitwright::cli {

// What the command line needs to know of where it runs.
struct CommandLineSetting {
    bool errIsTerminal = false; // a progress bar may be drawn on `err`
    unsigned cores = 1;         // threads a sweep uses unless told
};

// Runs `pitwright-cli` with the arguments as the system passed them (the
// program first), printing results on `out` and messages on `err`. Returns
// the exit status (ExitStatus.h).
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CommandLineSetting& setting);

} // namespace pitwright::cli
