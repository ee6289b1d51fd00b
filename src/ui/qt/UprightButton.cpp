#include "ui/qt/UprightButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace pitwright {

void UprightButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QString caption = text();
    if (caption.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int total = lineHeight * static_cast<int>(caption.size());
    int top = (height() - total) / 2;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    for (const QChar letter : caption) {
        painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignCenter, QString(letter));
        top += lineHeight;
    }
}

} // namespace pitwright
