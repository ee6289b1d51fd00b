#include "section/DrawnSection.h"

#include <cmath>

namespace pitwright {

DrawnSection drawnSectionOf(const SlopeDesignState& state, InterRampConvention convention) {
    return DrawnSection{state.profileX,        state.profileY,      state.numberOfBenches,
                        state.benchesPerStack, state.numberOfBerms, convention};
}

SheetVerdict checkDrawnSection(const DrawnSection& section) {
    const int n = section.numberOfBenches;
    if (n < 0 || section.benchesPerStack < 1) {
        return SheetVerdict::ProfileMismatch;
    }
    const auto rows = static_cast<std::size_t>(n) + 1;
    if (section.profileX.rows() != rows || section.profileY.rows() != rows) {
        return SheetVerdict::ProfileMismatch;
    }
    if (n == 0) {
        return SheetVerdict::NoBenches;
    }
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t column = 0; column < 2; ++column) {
            if (!std::isfinite(section.profileX(row, column)) ||
                !std::isfinite(section.profileY(row, column))) {
                return SheetVerdict::TooLarge;
            }
        }
    }
    const auto crest = static_cast<std::size_t>(n);
    const double height = section.profileY(crest, 0) - section.profileY(0, 1);
    const double extent = section.profileX(crest, 0) - section.profileX(0, 1);
    if (!std::isfinite(height) || !std::isfinite(extent)) {
        return SheetVerdict::TooLarge;
    }
    if (!(height > 0)) {
        return SheetVerdict::NoHeight;
    }
    if (!(extent > 0)) {
        return SheetVerdict::NoHorizontalExtent;
    }
    return SheetVerdict::Drawn;
}

bool isBermLedge(const DrawnSection& section, int row) {
    if (row < 1 || row >= section.numberOfBenches || section.benchesPerStack < 1) {
        return false;
    }
    const long long passes = static_cast<long long>(section.numberOfBerms) + 1;
    return row % section.benchesPerStack == 0 && row / section.benchesPerStack <= passes;
}

} // namespace pitwright
