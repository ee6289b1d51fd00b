#include "ui/qt/AboutPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace pitwright {

namespace {

// The convention drawings are laid out on a 227 x 191 grid.
constexpr double kConventionWidth = 227;
constexpr double kConventionHeight = 191;

const QColor kSky(0xEE, 0xF4, 0xFA);
const QColor kRock(0xD2, 0xBE, 0x96);
const QColor kOutline(0x30, 0x28, 0x20);
const QColor kAngleLine(0xC0, 0x00, 0x00);

// A section of two stacks of three benches with one catchment berm, from
// the pit floor (left) to the ground surface (right).
struct Section {
    std::vector<QPointF> wall;
    QPointF bottomToe;
    QPointF upperToe;
    QPointF crest;
};

Section twoStackSection() {
    constexpr double face = 10, height = 20, stepOut = 8, berm = 28;
    Section section;
    QPointF at(22, 165);
    section.bottomToe = at;
    section.wall.push_back(at);
    for (int stack = 0; stack < 2; ++stack) {
        if (stack == 1) {
            section.upperToe = at;
        }
        for (int bench = 0; bench < 3; ++bench) {
            at += QPointF(face, -height);
            section.wall.push_back(at);
            const bool lastOfStack = bench == 2;
            if (!lastOfStack) {
                at += QPointF(stepOut, 0);
                section.wall.push_back(at);
            } else if (stack == 0) {
                at += QPointF(berm, 0);
                section.wall.push_back(at);
            }
        }
    }
    section.crest = at;
    return section;
}

void drawAngleMark(QPainter& painter, const QPointF& toe, const QPointF& towards,
                   const QString& symbol) {
    const double radians = std::atan2(toe.y() - towards.y(), towards.x() - toe.x());
    const double degrees = radians * 180 / std::numbers::pi;
    const double radius = 34;
    painter.setPen(QPen(kAngleLine, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(toe.x() - radius, toe.y() - radius, 2 * radius, 2 * radius), 0,
                    static_cast<int>(degrees * 16));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    const double mid = radians / 2;
    const QPointF label(toe.x() + (radius + 9) * std::cos(mid),
                        toe.y() - (radius + 9) * std::sin(mid));
    painter.drawText(QRectF(label.x() - 8, label.y() - 8, 16, 16), Qt::AlignCenter, symbol);
}

void paintConvention(QPainter& painter, bool crestToToe) {
    const Section section = twoStackSection();
    painter.fillRect(QRectF(0, 0, kConventionWidth, kConventionHeight), kSky);

    QPainterPath rock;
    rock.moveTo(0, section.bottomToe.y());
    for (const QPointF& point : section.wall) {
        rock.lineTo(point);
    }
    rock.lineTo(kConventionWidth, section.crest.y());
    rock.lineTo(kConventionWidth, kConventionHeight);
    rock.lineTo(0, kConventionHeight);
    rock.closeSubpath();
    painter.setPen(QPen(kOutline, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(kRock);
    painter.drawPath(rock);

    // The measured line: toe to crest, or toe to the next toe and on up to
    // the crest level.
    const QPointF toe = section.bottomToe;
    QPointF end = section.crest;
    if (!crestToToe) {
        const QPointF run = section.upperToe - toe;
        end = toe + run * ((section.crest.y() - toe.y()) / run.y());
    }
    painter.setPen(QPen(kAngleLine, 1.6, Qt::DashLine, Qt::RoundCap));
    painter.drawLine(toe, end);
    painter.setPen(QPen(kAngleLine, 1));
    painter.drawLine(toe, QPointF(toe.x() + 60, toe.y()));

    painter.setPen(QPen(kAngleLine, 1.2));
    painter.setBrush(kAngleLine);
    const QPointF marked = crestToToe ? section.crest : section.upperToe;
    for (const QPointF& point : {toe, marked}) {
        painter.drawEllipse(point, 3, 3);
    }
    drawAngleMark(painter, toe, end, crestToToe ? QStringLiteral("α") : QStringLiteral("β"));
}

void paintLogo(QPainter& painter, const QRectF& area) {
    // A benched pit in section under an evening sky, framed as a badge.
    const QRectF badge = area.adjusted(2, 2, -2, -2);
    QLinearGradient sky(badge.topLeft(), badge.bottomLeft());
    sky.setColorAt(0, QColor(0x1C, 0x3F, 0x8C));
    sky.setColorAt(0.55, QColor(0x7F, 0xB2, 0xE5));
    sky.setColorAt(1, QColor(0xF2, 0xD7, 0x9B));
    QPainterPath frame;
    frame.addRoundedRect(badge, 14, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawPath(frame);
    painter.setClipPath(frame);

    const double w = badge.width();
    const double h = badge.height();
    const QPointF origin = badge.topLeft();
    auto at = [&](double fx, double fy) { return origin + QPointF(fx * w, fy * h); };

    // Sun low over the rim.
    painter.setBrush(QColor(0xFF, 0xE0, 0x70));
    painter.drawEllipse(at(0.78, 0.3), 0.07 * w, 0.07 * w);

    // The pit: five benches down each wall to a floor in the middle, the
    // right wall the mirror of the left; the rock in three bands of colour.
    std::vector<QPointF> leftWall{{0, 0.42}, {0.04, 0.42}};
    for (int bench = 0; bench < 5; ++bench) {
        const QPointF last = leftWall.back();
        leftWall.push_back(last + QPointF(0.034, 0.09));
        leftWall.push_back(leftWall.back() + QPointF(0.041, 0));
    }
    QPainterPath pit;
    pit.moveTo(at(leftWall.front().x(), leftWall.front().y()));
    for (const QPointF& point : leftWall) {
        pit.lineTo(at(point.x(), point.y()));
    }
    for (auto point = leftWall.rbegin(); point != leftWall.rend(); ++point) {
        pit.lineTo(at(1 - point->x(), point->y()));
    }
    pit.lineTo(at(1, 1));
    pit.lineTo(at(0, 1));
    pit.closeSubpath();

    const std::array<QColor, 3> bands{QColor(0xB5, 0x6A, 0x3A), QColor(0x8E, 0x5B, 0x3C),
                                      QColor(0x5E, 0x45, 0x38)};
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const double top = 0.42 + 0.2 * static_cast<double>(band);
        painter.save();
        painter.setClipRect(QRectF(at(0, top), at(1, top + (band + 1 == bands.size() ? 1 : 0.2))),
                            Qt::IntersectClip);
        painter.setBrush(bands[band]);
        painter.drawPath(pit);
        painter.restore();
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x2A, 0x1A, 0x10), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(pit);

    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x00, 0x00, 0x80), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frame);
}

} // namespace

void paintAboutPicture(QPainter& painter, const QRectF& target, AboutPicture picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (picture == AboutPicture::Logo) {
        paintLogo(painter, target);
    } else {
        painter.translate(target.topLeft());
        painter.scale(target.width() / kConventionWidth, target.height() / kConventionHeight);
        paintConvention(painter, picture == AboutPicture::CrestToToe);
    }
    painter.restore();
}

AboutPictureBox::AboutPictureBox(AboutPicture picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void AboutPictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintAboutPicture(painter, QRectF(rect()), picture_);
}

} // namespace pitwright
