#include "ui/qt/WindowPalette.h"

#include "model/MainWindowControls.h"
#include "ui/qt/LayoutUnits.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace pitwright {
namespace {

const QColor kClassicButtonFace(0xF0, 0xF0, 0xF0);
const QColor kDisabledText(0x59, 0x59, 0x59);
// Selected text is white on this blue when the desktop's pair reads too faintly.
const QColor kClassicHighlight(0x1F, 0x5F, 0x99);

constexpr std::initializer_list<QPalette::ColorGroup> kLiveGroups{QPalette::Active,
                                                                  QPalette::Inactive};

double linearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green()) +
           0.0722 * linearChannel(rgb.blue());
}

// Every text colour the window paints on its background reads on it.
bool carriesTheWindowsTexts(const QColor& background) {
    for (const QColor& text : {QColor(Qt::black), rgbColor(kDarkGrey), kDisabledText}) {
        if (contrastRatio(text, background) < kMinimumTextContrast) {
            return false;
        }
    }
    return true;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor buttonFaceColor() {
    const QColor system = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return carriesTheWindowsTexts(system) ? system : kClassicButtonFace;
}

QColor disabledTextColor() {
    return kDisabledText;
}

QPalette windowPalette() {
    const QPalette system = QApplication::palette();
    const QColor face = buttonFaceColor();
    QColor highlight = system.color(QPalette::Active, QPalette::Highlight);
    QColor highlightedText = system.color(QPalette::Active, QPalette::HighlightedText);
    if (contrastRatio(highlight, highlightedText) < kMinimumTextContrast) {
        highlight = kClassicHighlight;
        highlightedText = Qt::white;
    }

    QPalette palette = system;
    for (QPalette::ColorGroup group : kLiveGroups) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, highlightedText);
    }
    // A disabled field is light grey rather than white, so it still looks
    // disabled with its text dark enough to read.
    palette.setColor(QPalette::Disabled, QPalette::Window, face);
    palette.setColor(QPalette::Disabled, QPalette::Button, face);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
    return palette;
}

void setEnabledTextColor(QPalette& palette, const QColor& color) {
    for (QPalette::ColorGroup group : kLiveGroups) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::ButtonText, color);
    }
}

} // namespace pitwright
