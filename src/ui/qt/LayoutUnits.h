#pragma once

#include "model/MainWindowControls.h"

#include <QColor>
#include <QFont>
#include <QRect>

#include <cstdint>

namespace pitwright {

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Every font of the program is Arial (Liberation Sans where Arial is not
// installed). Bold and italic are always set explicitly, so a child never
// inherits the bold italic of the group around it.
inline QFont arialFont(const FontSpec& row) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(row.points);
    font.setBold(row.bold);
    font.setItalic(row.italic);
    return font;
}

inline QColor rgbColor(std::uint32_t rgb) {
    return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

} // namespace pitwright
