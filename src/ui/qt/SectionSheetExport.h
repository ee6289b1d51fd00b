#pragma once

#include "section/SectionSheet.h"
#include "section/SheetFormat.h"

namespace pitwright {

// The PNG is A4 landscape at 150 dots per inch.
inline constexpr int kSheetPngDotsPerInch = 150;
inline constexpr int kSheetPngWidth = 1754;
inline constexpr int kSheetPngHeight = 1240;

// The section sheet as the bytes of a file of the format: SVG, PDF and PNG
// through Qt's painters, DXF through the plain writer. Writes no file.
// Needs a QGuiApplication for the fonts of the painted formats.
SheetBytes renderSectionSheet(const SectionSheetInput& input, SheetFormat format);

} // namespace pitwright
