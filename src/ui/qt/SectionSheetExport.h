#pragma once

#include "section/SectionSheet.h"

#include <string>

namespace pitwright {

enum class SheetFormat { Svg, Pdf, Png, Dxf };

// The PNG is A4 landscape at 150 dots per inch.
inline constexpr int kSheetPngDotsPerInch = 150;
inline constexpr int kSheetPngWidth = 1754;
inline constexpr int kSheetPngHeight = 1240;

struct SheetBytes {
    SheetVerdict verdict = SheetVerdict::Drawn; // why the section could not be drawn
    bool writerFailed = false;                  // drawn, but the format's writer gave no bytes
    std::string bytes;
    bool ok() const { return verdict == SheetVerdict::Drawn && !writerFailed; }
};

// The section sheet as the bytes of a file of the format: SVG, PDF and PNG
// through Qt's painters, DXF through the plain writer. Writes no file.
// Needs a QGuiApplication for the fonts of the painted formats.
SheetBytes renderSectionSheet(const SectionSheetInput& input, SheetFormat format);

} // namespace pitwright
