#pragma once

#include "section/DrawnSection.h"
#include "section/Sheet.h"

#include <string>
#include <vector>

namespace pitwright {

// One line of the title block: a caption and its text, as the caller wants
// them shown (the window gives its inputs, the convention and the derived
// fields as they read).
struct TitleRow {
    std::string caption;
    std::string text;
};

struct SectionSheetInput {
    DrawnSection section;
    std::string title; // heading of the title block; none when empty
    std::vector<TitleRow> titleRows;
};

// The paper every section sheet is laid out on: A4 landscape.
inline constexpr double kSheetPaperWidth = 297;
inline constexpr double kSheetPaperHeight = 210;

// Draws the dimensioned section onto `sheet`: the wall the right way up at a
// round scale, with the pit floor and the ground surface, the inter-ramp lines,
// the overall height and horizontal extent, one bench, step out, catchment berm
// and stack dimensioned (in an enlarged detail when the wall is too tall for
// them to read), a scale bar, the border and the title block. Figures are
// measured on the profile; the title block shows the rows as given.
// Draws nothing when the section cannot be drawn, and says why.
SheetVerdict drawSectionSheet(const SectionSheetInput& input, Sheet& sheet);

} // namespace pitwright
