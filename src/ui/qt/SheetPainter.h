#pragma once

#include "section/Sheet.h"

#include <QFont>
#include <QRectF>
#include <QTransform>

#include <vector>

class QPainter;

namespace pitwright {

// A sheet painted by any QPainter: the screen, an image, a PDF or an SVG.
// The sheet's paper fills `page` (device units) as far as its proportions
// allow, centred, so the drawing keeps its scale on paper. Lines have pens of
// a width on paper, never hairlines: the wall twice the floor line's.
class SheetPainter : public Sheet {
public:
    SheetPainter(QPainter& painter, const QRectF& page);

    void begin(const SheetFrame& frame) override;
    void line(SheetLayer layer, SheetPoint from, SheetPoint to) override;
    void dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) override;
    void polyline(SheetLayer layer, std::span<const SheetPoint> points) override;
    void text(SheetLayer layer, const SheetText& text) override;
    void end() override;

    // From model metres to the page, once begin has run.
    const QTransform& modelToPage() const { return modelToPage_; }

private:
    void usePen(SheetLayer layer, bool dashed);

    QPainter& painter_;
    QRectF page_;
    QTransform modelToPage_;
    double pagePerMillimetre_ = 1;
    double metresPerMillimetre_ = 1;
    QFont font_;
    std::vector<QPointF> points_;
    bool penSet_ = false;
    SheetLayer penLayer_ = SheetLayer::Wall;
    bool penDashed_ = false;
};

// Pen widths on paper, in millimetres.
double penMillimetres(SheetLayer layer);

} // namespace pitwright
