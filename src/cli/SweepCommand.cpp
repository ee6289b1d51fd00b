#include "cli/SweepCommand.h"

#include "cli/ExitStatus.h"
#include "cli/ProgressBar.h"
#include "cli/Sweep.h"
#include "ui/UserMessages.h"

#include <ostream>

namespace pitwright::cli {

int runSweepCommand(const SweepRequest& request, FileStore& files, std::ostream& out,
                    std::ostream& err) {
    const FileReadResult read = files.readStart(request.input, kSweepInputLimit);
    if (!read.ok) {
        err << "pitwright-cli: the table '" << request.input
            << "' cannot be read: " << readProblemWords(read.problem, read.detail) << ".\n";
        return kExitUsage;
    }
    if (read.cutShort) {
        err << "pitwright-cli: the table '" << request.input << "' is larger than "
            << (kSweepInputLimit >> 30) << " GiB; split it into smaller tables.\n";
        return kExitUsage;
    }
    const SweepPlanFound found = planSweep(read.bytes);
    if (!found.plan) {
        err << "pitwright-cli: the table '" << request.input
            << "' cannot be swept: " << found.problem << ".\n";
        return kExitUsage;
    }

    std::optional<ProgressBar> bar;
    SweepProgress progress;
    if (request.progress) {
        bar.emplace(err);
        progress = [&bar](std::size_t designs, double share) { bar->update(designs, share); };
    }
    SweepTally tally;
    auto sweepTo = [&](const BlockWriter& write) {
        return runSweep(*found.plan, write, request.threads, tally, progress);
    };

    if (request.output) {
        const FileWriteResult written = files.writeProduced(*request.output, sweepTo);
        if (!written.ok) {
            if (bar) {
                err << '\n';
            }
            err << "pitwright-cli: "
                << fileNotSavedMessage(*request.output, written.problem, written.detail) << '\n';
            return kExitFailed;
        }
    } else {
        const bool written = sweepTo([&out](std::string_view block) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            return out.good();
        });
        if (!written || !out.flush()) {
            if (bar) {
                err << '\n';
            }
            err << "pitwright-cli: the results could not be written to the standard output.\n";
            return kExitFailed;
        }
    }
    if (bar) {
        bar->finish(tally.designs, tally.refused);
    }
    return kExitDone;
}

} // namespace pitwright::cli
