#pragma once

#include "model/ControlId.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

namespace pitwright {

// How a control looks in the window: everything Arial, in points.
struct FontSpec {
    double points = 9.0;
    bool bold = false;
    bool italic = false;
};

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kDarkGrey = 0x404040;

// One row of the main window's control table. Places are in twips inside the
// control's container (the window's client area or the group given).
struct ControlSpec {
    ControlId id;
    const char* name;
    ControlKind kind;
    std::optional<ControlId> container;
    const char* caption;
    int left, top, width, height;
    FontSpec font;
    std::uint32_t foreColor;
    BackColor backColor;
    int tabIndex; // -1 for the window itself
    bool tabStop;
    bool readOnly;
    const char* toolTip;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 11910;
inline constexpr int kClientHeightTwips = 8310;

// Places in the layout tables are in twips; 15 twips make one logical pixel.
inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// The whole table, in ControlId order.
std::span<const ControlSpec> mainWindowControls();
const ControlSpec& controlSpec(ControlId id);

} // namespace pitwright
