// The icon the desktop shows for the installed program looks like the one
// the window paints for itself: each PNG of the icon theme against the
// painted icon of the same size (the larger PNGs come from the same SVG).
#include "ui/qt/AppIcon.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace pitwright;

namespace {

// Mean difference of two images over every channel, in 0..255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

} // namespace

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void themeIconsMatchThePaintedIcon_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64}) {
            QTest::addRow("%d", size) << size;
        }
    }

    void themeIconsMatchThePaintedIcon() {
        QFETCH(int, size);
        const QString path =
            QStringLiteral(PITWRIGHT_ICON_FOLDER "/hicolor/%1x%1/apps/"
                                                 "io.github.pitwright.Pitwright.png")
                .arg(size);
        const QImage installed = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!installed.isNull(), qPrintable(path));
        QCOMPARE(installed.size(), QSize(size, size));
        const QImage painted =
            pitwrightIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(painted.size(), QSize(size, size));
        const double difference = meanDifference(installed, painted);
        // The two painters place the edges of a 16-pixel icon differently;
        // above that a moved corner or a changed colour shows at once.
        const double tolerance = size == 16 ? 4.5 : 1.0;
        QVERIFY2(difference < tolerance, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(AppIconTest)
#include "AppIcon_test.moc"
