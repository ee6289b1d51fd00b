#include "ui/qt/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pitwright {

namespace {

QPixmap paintIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 32.0, size / 32.0);

    // Sky.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x80, 0xC0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);

    // The wall: three benches rising from the pit floor on the left to the
    // crest on the right.
    QPainterPath rock;
    rock.moveTo(0.5, 27);
    rock.lineTo(7, 27);
    rock.lineTo(10, 20);
    rock.lineTo(14, 20);
    rock.lineTo(17, 13);
    rock.lineTo(21, 13);
    rock.lineTo(24, 6);
    rock.lineTo(31.5, 6);
    rock.lineTo(31.5, 31.5);
    rock.lineTo(0.5, 31.5);
    rock.closeSubpath();
    painter.setBrush(QColor(0xC0, 0x80, 0x40));
    painter.setPen(QPen(QColor(0x40, 0x20, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(rock);

    // The inter-ramp line from toe to crest.
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 27), QPointF(24, 6));
    return pixmap;
}

} // namespace

QIcon pitwrightIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(paintIcon(size));
    }
    return icon;
}

} // namespace pitwright
