#pragma once

#include "cli/StabilityReport.h"
#include "files/FileStore.h"
#include "model/SlopeRelations.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace pitwright::cli {

struct ShowRequest {
    std::string file;
    InterRampConvention convention = InterRampConvention::CrestToToe;
    bool json = false;
    // The rock mass of a stability check; none without.
    std::optional<StabilityValues> stability;
};

// Opens the data file in a fresh window and writes what the window shows to
// `out`, the window's messages to `err` as they come. Returns the exit
// status: done, or failed when the design was not drawn; with a stability
// check, a usage error when its values cannot be used.
int runShow(const ShowRequest& request, FileStore& files, std::ostream& out, std::ostream& err);

} // namespace pitwright::cli
