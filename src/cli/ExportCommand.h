#pragma once

#include "cli/HeadlessPlatform.h"
#include "files/FileStore.h"
#include "model/SlopeRelations.h"
#include "ui/frmPitwrightMain.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pitwright::cli {

// Writes one file of a drawn design in a window; says on `err` why not and
// returns false when the file was not written.
using FormatWriter = bool (*)(frmPitwrightMain& window, HeadlessPlatform& platform,
                              const std::string& path, std::ostream& err);

// A kind of file `export` writes: its option, what goes after it, its help
// text, and its writer (none while it is not available yet).
struct ExportFormat {
    std::string_view option;
    std::string_view valueName;
    std::string_view description;
    FormatWriter write;
};

// Every format, in the order they are written.
std::span<const ExportFormat> exportFormats();

struct ExportRequest {
    struct Output {
        const ExportFormat* format = nullptr;
        std::string path;
    };

    std::string file;
    InterRampConvention convention = InterRampConvention::CrestToToe;
    std::vector<Output> outputs; // in the order of exportFormats()
};

// Opens the data file in a fresh window, as `show` does, and writes each
// file asked for through `files`; the window's messages go to `err`. Returns
// failed when the design was not drawn or any file was not written.
int runExport(const ExportRequest& request, FileStore& files, std::ostream& err);

} // namespace pitwright::cli
