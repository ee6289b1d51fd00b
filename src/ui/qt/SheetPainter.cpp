#include "ui/qt/SheetPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace pitwright {
namespace {

// Texts are drawn in this size and scaled, so their height is exact at any
// resolution.
constexpr int kReferencePixels = 100;

} // namespace

double penMillimetres(SheetLayer layer) {
    switch (layer) {
    case SheetLayer::Wall:
    case SheetLayer::Faces:
    case SheetLayer::Ledges:
    case SheetLayer::Detail:
        return 0.5;
    case SheetLayer::Ground:
    case SheetLayer::Text:
        return 0.25;
    case SheetLayer::Frame:
        return 0.35;
    case SheetLayer::Dimensions:
        return 0.18;
    }
    return 0.25;
}

SheetPainter::SheetPainter(QPainter& painter, const QRectF& page)
    : painter_(painter), page_(page), font_(QStringLiteral("Liberation Sans")) {
    font_.setPixelSize(kReferencePixels);
    font_.setHintingPreference(QFont::PreferNoHinting);
}

void SheetPainter::begin(const SheetFrame& frame) {
    pagePerMillimetre_ =
        std::min(page_.width() / frame.paperWidth, page_.height() / frame.paperHeight);
    metresPerMillimetre_ = frame.metresPerMillimetre();
    const double left = page_.left() + (page_.width() - frame.paperWidth * pagePerMillimetre_) / 2;
    const double bottom =
        page_.top() + (page_.height() + frame.paperHeight * pagePerMillimetre_) / 2;
    const double perMetre = pagePerMillimetre_ / metresPerMillimetre_;
    // Elevation upwards: the page's y runs down.
    modelToPage_ = QTransform(perMetre, 0, 0, -perMetre, left - perMetre * frame.paperOrigin.x,
                              bottom + perMetre * frame.paperOrigin.y);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBrush(Qt::NoBrush);
    // The sheet's own font from the start, not the platform's default.
    painter_.setFont(font_);
    painter_.setWorldTransform(modelToPage_);
    penSet_ = false;
}

void SheetPainter::usePen(SheetLayer layer, bool dashed) {
    if (penSet_ && penLayer_ == layer && penDashed_ == dashed) {
        return;
    }
    const double millimetres = penMillimetres(layer);
    QPen pen(Qt::black, millimetres * metresPerMillimetre_);
    pen.setJoinStyle(Qt::RoundJoin);
    if (dashed) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({kDashMillimetres / millimetres, kDashGapMillimetres / millimetres});
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    painter_.setPen(pen);
    penSet_ = true;
    penLayer_ = layer;
    penDashed_ = dashed;
}

void SheetPainter::line(SheetLayer layer, SheetPoint from, SheetPoint to) {
    if (repeatsTheWall(layer)) {
        return;
    }
    usePen(layer, false);
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void SheetPainter::dashedLine(SheetLayer layer, SheetPoint from, SheetPoint to) {
    usePen(layer, true);
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void SheetPainter::polyline(SheetLayer layer, std::span<const SheetPoint> points) {
    if (repeatsTheWall(layer)) {
        return;
    }
    usePen(layer, false);
    points_.clear();
    points_.reserve(points.size());
    // On pixels, a point within a tenth of a pixel of the last one drawn adds
    // nothing but work: a tall wall has tens of thousands of them.
    const bool pixels = painter_.device()->devType() == QInternal::Image;
    const double nearest = 0.1;
    QPointF last;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF p(points[i].x, points[i].y);
        const QPointF onPage = modelToPage_.map(p);
        if (pixels && i > 0 && i + 1 < points.size()) {
            const QPointF step = onPage - last;
            if (std::abs(step.x()) < nearest && std::abs(step.y()) < nearest) {
                continue;
            }
        }
        points_.push_back(p);
        last = onPage;
    }
    painter_.drawPolyline(points_.data(), static_cast<int>(points_.size()));
}

void SheetPainter::text(SheetLayer, const SheetText& text) {
    const QString value =
        QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const QFontMetricsF metrics(font_, painter_.device());
    const double capHeight = metrics.capHeight();
    if (value.isEmpty() || !(capHeight > 0)) {
        return;
    }
    const double scale = text.height / metresPerMillimetre_ * pagePerMillimetre_ / capHeight;
    double dx = 0;
    if (text.align != TextAlign::Left) {
        const double advance = metrics.horizontalAdvance(value);
        dx = text.align == TextAlign::Centre ? -advance / 2 : -advance;
    }
    double dy = 0;
    if (text.baseline == TextBaseline::Middle) {
        dy = capHeight / 2;
    } else if (text.baseline == TextBaseline::Top) {
        dy = capHeight;
    }
    painter_.save();
    painter_.setWorldTransform(QTransform());
    painter_.translate(modelToPage_.map(QPointF(text.at.x, text.at.y)));
    painter_.rotate(-text.rotation);
    painter_.scale(scale, scale);
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(dx, dy), value);
    painter_.restore();
    penSet_ = false;
}

void SheetPainter::end() {
    painter_.restore();
}

} // namespace pitwright
