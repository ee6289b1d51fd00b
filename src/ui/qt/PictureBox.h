#pragma once

#include "section/Canvas.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;

namespace pitwright {

// Picture1: the drawing area. It keeps every line drawn since the last Cls
// and paints them again whenever the window needs repainting, so a drawing
// survives being covered, and the hard copy finds it on screen.
class PictureBox : public QWidget, public Canvas {
public:
    struct Stroke {
        QLineF line;
        QColor color;
        int width;
    };

    explicit PictureBox(QWidget* parent = nullptr);

    void Cls() override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void DrawWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, std::uint32_t rgb) override;

    // A single-line border around the usable area; without it the usable
    // area grows by the border on every side.
    void setBorder(bool on);
    bool hasBorder() const { return border_; }
    void setBackColor(const QColor& color);
    QColor backColor() const { return backColor_; }

    const std::vector<Stroke>& strokes() const { return strokes_; }
    // Paints the kept lines with the painter's origin at the top-left corner
    // of the usable area.
    void paintStrokes(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth() const { return border_ ? 1 : 0; }

    std::vector<Stroke> strokes_;
    int penWidth_ = 1;
    bool border_ = true;
    QColor backColor_ = Qt::white;
};

} // namespace pitwright
