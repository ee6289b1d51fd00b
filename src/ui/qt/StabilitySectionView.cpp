#include "ui/qt/StabilitySectionView.h"

#include "model/NumberText.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pitwright {
namespace {

using stability::Point;

const QColor kRockColor(0xEC, 0xE7, 0xDD);
const QColor kGroundModelColor(0x70, 0x70, 0x70);
const QColor kFrameColor(0xA0, 0xA0, 0xA0);
constexpr int kArcSegments = 128;
constexpr double kMargin = 12;
constexpr double kLegendSample = 30;
constexpr double kSmallestSliceGap = 3; // pixels between slice lines drawn

struct Bounds {
    double minX = 0;
    double maxX = 0;
    double minY = 0;
    double maxY = 0;

    void include(const Point& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
};

bool onSegment(const Point& p, const Point& a, const Point& b, double tolerance) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y) <= tolerance;
}

// The surface from the exit to the entry: the top of the slip mass.
std::vector<Point> surfaceBetween(const std::vector<Point>& surface, const Point& exit,
                                  const Point& entry, double tolerance) {
    std::vector<Point> top{exit};
    std::size_t segment = 0;
    while (segment + 1 < surface.size() &&
           !onSegment(exit, surface[segment], surface[segment + 1], tolerance)) {
        ++segment;
    }
    for (; segment + 1 < surface.size(); ++segment) {
        if (onSegment(entry, surface[segment], surface[segment + 1], tolerance)) {
            break;
        }
        top.push_back(surface[segment + 1]);
    }
    top.push_back(entry);
    return top;
}

// The highest point of a polyline above x: the top of a face where it is
// vertical.
double highestAt(const std::vector<Point>& line, double x) {
    double y = -std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k + 1 < line.size(); ++k) {
        const Point& a = line[k];
        const Point& b = line[k + 1];
        if (x < a.x || x > b.x) {
            continue;
        }
        y = std::max(y,
                     b.x > a.x ? a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x) : std::max(a.y, b.y));
    }
    return y;
}

// A length of 1, 2 or 5 times a power of ten near a fifth of the span.
double scaleBarLength(double span) {
    const double rough = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double step : {1.0, 2.0, 5.0}) {
        if (step * power >= rough * 0.7) {
            return step * power;
        }
    }
    return 10 * power;
}

QPen arcPen(bool worstStack) {
    QPen pen(worstStack ? StabilitySectionView::worstStackColor()
                        : StabilitySectionView::overallColor(),
             2.0, worstStack ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

StabilitySectionView::StabilitySectionView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StabilitySectionView::showAnalysis(const StabilityAnalysis& analysis) {
    surface_ = analysis.surface;
    overall_ = analysis.overall;
    worstStack_ = analysis.worstStack;
    legend_ = stabilityLegend(analysis);
    emptyText_ = QString::fromStdString(analysis.message());
    update();
}

void StabilitySectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kFrameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (surface_.size() < 2) {
        painter.setPen(Qt::black);
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         emptyText_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);

    std::vector<Point> overallArc;
    std::vector<Point> stackArc;
    if (overall_) {
        overallArc = slipArc(*overall_, kArcSegments);
    }
    if (worstStack_) {
        stackArc = slipArc(*worstStack_, kArcSegments);
    }
    Bounds b{surface_.front().x, surface_.front().x, surface_.front().y, surface_.front().y};
    for (const auto* points : {&surface_, &overallArc, &stackArc}) {
        for (const Point& p : *points) {
            b.include(p);
        }
    }
    // Some rock below the floor and the deepest arc.
    b.minY -= 0.08 * std::max(b.maxY - b.minY, 1e-9);

    // Legend above the drawing, scale bar below it.
    const QFontMetricsF metrics(font(), this);
    const double line = metrics.height() + 3;
    const double legendHeight = 3 * line + kMargin / 2;
    const QRectF area =
        QRectF(rect()).adjusted(kMargin, kMargin + legendHeight, -kMargin, -kMargin - 2 * line);
    const double spanX = std::max(b.maxX - b.minX, 1e-9);
    const double spanY = std::max(b.maxY - b.minY, 1e-9);
    const double perMetre = std::max(std::min(area.width() / spanX, area.height() / spanY), 1e-12);
    const double left = area.left() + (area.width() - spanX * perMetre) / 2;
    const double bottom = area.bottom() - (area.height() - spanY * perMetre) / 2;
    const auto map = [&](const Point& p) {
        return QPointF(left + (p.x - b.minX) * perMetre, bottom - (p.y - b.minY) * perMetre);
    };
    const auto polyline = [&](const std::vector<Point>& points) {
        QPolygonF shape;
        for (const Point& p : points) {
            shape << map(p);
        }
        return shape;
    };

    // The rock under the surface.
    QPolygonF rock = polyline(surface_);
    rock << map({surface_.back().x, b.minY}) << map({surface_.front().x, b.minY});
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRockColor);
    painter.drawPolygon(rock);
    painter.setBrush(Qt::NoBrush);

    // The slip mass of the whole slope and its slices.
    if (overall_ && !overallArc.empty()) {
        const double tolerance = 1e-6 * std::max(1.0, spanX);
        const std::vector<Point> top =
            surfaceBetween(surface_, overall_->exitPoint, overall_->entryPoint, tolerance);
        QPolygonF mass = polyline(top);
        for (auto p = overallArc.rbegin(); p != overallArc.rend(); ++p) {
            mass << map(*p);
        }
        QColor fill = overallColor();
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawPolygon(mass);
        painter.setBrush(Qt::NoBrush);

        QColor sliceColor = overallColor();
        sliceColor.setAlpha(110);
        painter.setPen(QPen(sliceColor, 0.8));
        double lastDrawn = -std::numeric_limits<double>::infinity();
        const auto& slices = overall_->slices;
        for (std::size_t k = 1; k < slices.size(); ++k) {
            const double x = slices[k].xLeft;
            const double pixelX = map({x, 0}).x();
            if (pixelX - lastDrawn < kSmallestSliceGap) {
                continue;
            }
            const double r = overall_->circle.radius;
            const double dx = x - overall_->circle.x;
            const double base = overall_->circle.y - std::sqrt(std::max(0.0, r * r - dx * dx));
            const double ground = highestAt(top, x);
            if (std::isfinite(ground) && ground > base) {
                painter.drawLine(map({x, base}), map({x, ground}));
                lastDrawn = pixelX;
            }
        }
    }

    // The ground model's floor and ground behind the crest, then the wall.
    QPen groundPen(kGroundModelColor, 1.0);
    painter.setPen(groundPen);
    painter.drawLine(map(surface_[0]), map(surface_[1]));
    painter.drawLine(map(surface_[surface_.size() - 2]), map(surface_.back()));
    QPen wallPen(Qt::black, 2.0);
    wallPen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(wallPen);
    const std::vector<Point> wall(surface_.begin() + 1, surface_.end() - 1);
    painter.drawPolyline(polyline(wall));

    // The arcs: the worst stack's under the whole slope's, which it may be.
    for (const bool stack : {true, false}) {
        const std::vector<Point>& arc = stack ? stackArc : overallArc;
        const std::optional<ShownCircle>& circle = stack ? worstStack_ : overall_;
        if (arc.empty()) {
            continue;
        }
        painter.setPen(arcPen(stack));
        painter.drawPolyline(polyline(arc));
        painter.setPen(Qt::NoPen);
        painter.setBrush(stack ? worstStackColor() : overallColor());
        for (const Point& end : {circle->exitPoint, circle->entryPoint}) {
            painter.drawEllipse(map(end), 3.0, 3.0);
        }
        painter.setBrush(Qt::NoBrush);
    }

    // The legend: a sample of each line beside its words.
    const double textX = kMargin + kLegendSample + 8;
    double y = kMargin + line / 2;
    const auto entry = [&](const std::string& words, const QPen& pen) {
        if (words.empty()) {
            return;
        }
        painter.setPen(pen);
        painter.drawLine(QPointF(kMargin, y), QPointF(kMargin + kLegendSample, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(textX, y + metrics.capHeight() / 2),
                         QString::fromStdString(words));
        y += line;
    };
    entry(legend_.overall, arcPen(false));
    entry(legend_.worstStack, worstStack_ ? arcPen(true) : QPen(Qt::NoPen));
    entry(legend_.groundModel, groundPen);

    // The scale bar.
    const double length = scaleBarLength(spanX);
    const QPointF from(kMargin, height() - kMargin - line / 2);
    const QPointF to(kMargin + length * perMetre, from.y());
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(from, to);
    for (const QPointF& tick : {from, to}) {
        painter.drawLine(tick - QPointF(0, 4), tick + QPointF(0, 4));
    }
    painter.drawText(to + QPointF(6, metrics.capHeight() / 2),
                     QString::fromStdString(formatGeneral(length) + " m"));
}

} // namespace pitwright
