#pragma once

#include <span>
#include <string_view>

namespace pitwright {

// A point of the sheet in model metres: x away from the pit, y upwards.
struct SheetPoint {
    double x = 0;
    double y = 0;
    bool operator==(const SheetPoint&) const = default;
};

// What an entity of the sheet belongs to. The DXF keeps them as layers of
// these names; the painters give each its own pen.
enum class SheetLayer {
    Wall,       // the wall as one line from the toe to the crest
    Faces,      // the wall again, each bench face on its own
    Ledges,     // the wall again, each step out and catchment berm on its own
    Ground,     // the pit floor before the toe and the ground beyond the crest, in both views
    Dimensions, // dimension and extension lines, angle lines, the scale bar
    Text,       // every text
    Detail,     // the wall of the enlarged typical stack
    Frame,      // the border of the paper, the detail's box and the title block
};

inline constexpr SheetLayer kSheetLayers[] = {
    SheetLayer::Wall,       SheetLayer::Faces, SheetLayer::Ledges, SheetLayer::Ground,
    SheetLayer::Dimensions, SheetLayer::Text,  SheetLayer::Detail, SheetLayer::Frame,
};

// Faces and ledges repeat the wall, so that a drawing program can pick them
// apart; on paper the wall shows them already, and a painter may leave them out.
constexpr bool repeatsTheWall(SheetLayer layer) {
    return layer == SheetLayer::Faces || layer == SheetLayer::Ledges;
}

constexpr std::string_view layerName(SheetLayer layer) {
    switch (layer) {
    case SheetLayer::Wall:
        return "wall";
    case SheetLayer::Faces:
        return "faces";
    case SheetLayer::Ledges:
        return "ledges";
    case SheetLayer::Ground:
        return "ground";
    case SheetLayer::Dimensions:
        return "dimensions";
    case SheetLayer::Text:
        return "text";
    case SheetLayer::Detail:
        return "detail";
    case SheetLayer::Frame:
        return "frame";
    }
    return "0";
}

// Dashed lines on paper: dashes and gaps in millimetres, whatever the scale.
inline constexpr double kDashMillimetres = 3.0;
inline constexpr double kDashGapMillimetres = 1.5;

enum class TextAlign { Left, Centre, Right };
// Which height of the text lies on its anchor: the baseline, half the
// capital height above it, or the top of the capitals.
enum class TextBaseline { Baseline, Middle, Top };

struct SheetText {
    SheetPoint at;       // the anchor, in model metres
    double height = 0;   // height of the capitals, in model metres
    double rotation = 0; // degrees anticlockwise from the x axis
    TextAlign align = TextAlign::Left;
    TextBaseline baseline = TextBaseline::Baseline;
    std::string_view text; // UTF-8
};

// The paper the sheet is laid out for and where the model lies on it: the
// paper's lower left corner is the model point `paperOrigin`, and one
// millimetre of paper is `scale` / 1000 metres of model (the ratio 1:scale).
struct SheetFrame {
    double paperWidth = 0;  // mm
    double paperHeight = 0; // mm
    double scale = 1;
    SheetPoint paperOrigin;

    double metresPerMillimetre() const { return scale / 1000.0; }
};

// Where a drawing goes: lines, dashed lines, polylines and texts in model
// metres, each on a layer. A drawing calls begin first and end last, once each.
class Sheet {
public:
    virtual ~Sheet() = default;
    virtual void begin(const SheetFrame& frame) = 0;
    virtual void line(SheetLayer layer, SheetPoint from, SheetPoint to) = 0;
    virtual void dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) = 0;
    virtual void polyline(SheetLayer layer, std::span<const SheetPoint> points) = 0;
    virtual void text(SheetLayer layer, const SheetText& text) = 0;
    virtual void end() = 0;
};

} // namespace pitwright
