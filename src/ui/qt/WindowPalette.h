#pragma once

#include <QColor>
#include <QPalette>

namespace pitwright {

// The colours of the main window, set role by role instead of left to the
// desktop's style, so that every text on it reads at least 4.5 : 1 against
// what it is painted on, whether its control is enabled or not.

// The lowest contrast any text of the window may have.
inline constexpr double kMinimumTextContrast = 4.5;

// The contrast of two colours, from 1 (the same) to 21 (black on white), by
// their relative luminance as web accessibility guidelines define it.
double contrastRatio(const QColor& a, const QColor& b);

// The window's background: the desktop's button face, unless the window's
// texts would not read on it; then the classic light grey.
QColor buttonFaceColor();

// Text of a disabled control, on white and on the button face alike: still
// grey, so the control looks disabled, but dark enough to read.
QColor disabledTextColor();

// The palette of the main window, its menus and every control on it: black
// on the button face and on white input fields; disabled controls in
// disabledTextColor(), disabled fields on the button face.
QPalette windowPalette();

// Gives a control its own text colour while it is enabled; disabled, it
// keeps the window's disabled text colour.
void setEnabledTextColor(QPalette& palette, const QColor& color);

} // namespace pitwright
