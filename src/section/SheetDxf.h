#pragma once

#include "section/SectionSheet.h"
#include "section/Sheet.h"
#include "section/SheetFormat.h"

#include <string>

namespace pitwright {

// A sheet that writes a DXF drawing of release 12 (AC1009) as ASCII, in
// metres: HEADER, TABLES (LTYPE, LAYER, STYLE), ENTITIES (LINE, POLYLINE with
// its VERTEX and SEQEND, TEXT) and EOF, each group code and value on a line
// of its own ended by CR LF. Every layer of the sheet is a layer of the same
// name; numbers are written with the fewest digits that read back to the
// same double. Texts are one line each in the Western code page (ANSI_1252):
// the degree sign as %%d, the letters from 0xA0 on as their single bytes,
// other characters as \U+XXXX, a percent sign that would start a control
// code as %%%, control characters as blanks.
class SheetDxf : public Sheet {
public:
    void begin(const SheetFrame& frame) override;
    void line(SheetLayer layer, SheetPoint from, SheetPoint to) override;
    void dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) override;
    void polyline(SheetLayer layer, std::span<const SheetPoint> points) override;
    void text(SheetLayer layer, const SheetText& text) override;
    void end() override;

    // The drawing so far; whole once end has run.
    const std::string& bytes() const { return out_; }
    std::string takeBytes() { return std::move(out_); }

private:
    void group(int code, std::string_view value);
    void group(int code, double value);
    void group(int code, int value);
    void point(int code, SheetPoint p);
    void layerOf(SheetLayer layer);

    std::string out_;
};

// The section sheet as the bytes of a DXF file, or why there are none.
SheetBytes sectionSheetDxf(const SectionSheetInput& input);

} // namespace pitwright
