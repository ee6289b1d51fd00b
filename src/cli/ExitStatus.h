#pragma once

namespace pitwright::cli {

// The exit status of every command.
enum ExitStatus : int {
    kExitDone = 0,   // done, also where the window only corrected an angle
    kExitFailed = 1, // a design refused, or a file asked for not written
    kExitUsage = 2,  // the command line itself is wrong, or its input unreadable
};

} // namespace pitwright::cli
