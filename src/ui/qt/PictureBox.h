#pragma once

#include "section/Canvas.h"

#include <QColor>
#include <QPixmap>
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
    // of the usable area. On screen and into images each is a run of whole
    // pixels; on paper (a printer, a PDF) each is one line drawn at the
    // device's resolution, n times as wide as the thinnest line for a pen of
    // width n.
    void paintStrokes(QPainter& painter) const;

    // On paper every line is a whole number of steps of 1/150 inch wide, so
    // a printer that renders at 150, 300, 600 or 1200 dots per inch keeps the
    // wall exactly twice as wide as the thin lines. The thinnest line is two
    // steps (0.34 mm), or one screen pixel as printed if that is wider: a
    // pixel line printed as a hairline fades or vanishes.
    static constexpr qreal kPaperLineStepInch = 1.0 / 150;
    static constexpr int kThinnestPaperLineSteps = 2;
    // Whether the painter draws onto paper rather than pixels.
    static bool isPaperDevice(const QPainter& painter);
    // The width of a line of pen width 1 on paper, in device dots.
    static qreal paperLineWidth(const QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth() const { return border_ ? 1 : 0; }
    void paintStrokesAsPixels(QPainter& painter) const;
    void paintStrokesAsVectors(QPainter& painter) const;

    static constexpr qreal kAssumedPaperDotsPerInch = 600;

    // Paints the background, the border and the lines.
    void paintContents(QPainter& painter);

    std::vector<Stroke> strokes_;
    // What the screen showed last, painted once: a window repainted while
    // a tall wall is drawn (a dialog in front of it, say) shows it again
    // without painting tens of thousands of lines anew.
    QPixmap shown_;
    bool shownIsCurrent_ = false;
    int penWidth_ = 1;
    bool border_ = true;
    QColor backColor_ = Qt::white;
};

} // namespace pitwright
