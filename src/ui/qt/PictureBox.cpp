#include "PictureBox.h"

#include <QPainter>

#include <algorithm>

namespace pitwright {

namespace {
const QColor kBorderColor(0x64, 0x64, 0x64);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::Cls() {
    strokes_.clear();
    update();
}

float PictureBox::ScaleWidth() const {
    return static_cast<float>(std::max(0, width() - 2 * borderWidth()));
}

float PictureBox::ScaleHeight() const {
    return static_cast<float>(std::max(0, height() - 2 * borderWidth()));
}

void PictureBox::DrawWidth(int pixels) {
    penWidth_ = std::max(1, pixels);
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::uint32_t rgb) {
    const QColor color(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                       static_cast<int>(rgb & 0xFF));
    strokes_.push_back({QLineF(x1, y1, x2, y2), color, penWidth_});
    update();
}

void PictureBox::setBorder(bool on) {
    if (border_ != on) {
        border_ = on;
        update();
    }
}

void PictureBox::setBackColor(const QColor& color) {
    if (backColor_ != color) {
        backColor_ = color;
        update();
    }
}

void PictureBox::paintStrokes(QPainter& painter) const {
    painter.save();
    // Crisp lines as on the classic canvas: a line of width 2 covers two
    // whole pixels, so the wall reads twice as thick as the thin lines.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Stroke& stroke : strokes_) {
        QPen pen(stroke.color, stroke.width);
        pen.setCapStyle(stroke.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawLine(stroke.line);
    }
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (border_) {
        painter.setPen(QPen(kBorderColor, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const int inset = borderWidth();
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.translate(inset, inset);
    paintStrokes(painter);
}

} // namespace pitwright
