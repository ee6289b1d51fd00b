#pragma once

#include "section/DrawnSection.h"

#include <string>

namespace pitwright {

// The file formats a section sheet is exported in.
enum class SheetFormat { Svg, Pdf, Png, Dxf };

// The bytes of an exported section sheet, or why there are none.
struct SheetBytes {
    SheetVerdict verdict = SheetVerdict::Drawn; // why the section could not be drawn
    bool writerFailed = false;                  // drawn, but the format's writer gave no bytes
    std::string bytes;
    bool ok() const { return verdict == SheetVerdict::Drawn && !writerFailed; }
};

} // namespace pitwright
