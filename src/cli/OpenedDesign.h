#pragma once

#include "cli/HeadlessPlatform.h"
#include "model/SlopeRelations.h"
#include "ui/frmPitwrightMain.h"

#include <optional>
#include <string>
#include <string_view>

namespace pitwright::cli {

// The convention by its name on the command line: "crest-to-toe" or
// "toe-to-toe".
std::string_view conventionName(InterRampConvention convention);

// What the window made of a data file.
struct OpenedDesign {
    // The section was drawn, so "Write a 3D-file" is open.
    bool drawn = false;
    // Why not: the window's own message; empty when drawn.
    std::string refusal;
    // The window showed no message of its own about it.
    bool refusalUnsaid = false;
};

// Loads the window, which must be fresh, selects the convention and opens
// the data file at `path` as the window's open command does after its
// dialog. The messages it shows are kept by the platform.
OpenedDesign openInFreshWindow(frmPitwrightMain& window, HeadlessPlatform& platform,
                               InterRampConvention convention, const std::string& path);

} // namespace pitwright::cli
