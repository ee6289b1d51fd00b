#pragma once

#include "ui/frmPitwrightMain.h"

#include <array>
#include <string>
#include <string_view>

namespace pitwright::cli {

// The catch berm check as the command line reports it, the window's words
// in columns: the check's verdict (or why it does not apply), the width the
// criterion asks, the margin and the steepest inter-ramp angle that keeps
// it. All empty before the berm width is known.
inline constexpr std::size_t kCatchBermFigureCount = 4;
using CatchBermFigures = std::array<std::string, kCatchBermFigureCount>;

struct CatchBermFigure {
    std::string_view key;    // in JSON
    std::string_view column; // in a sweep's results and in the table
};
const std::array<CatchBermFigure, kCatchBermFigureCount>& catchBermFigureNames();

CatchBermFigures catchBermFiguresOf(const frmPitwrightMain& window);

} // namespace pitwright::cli
