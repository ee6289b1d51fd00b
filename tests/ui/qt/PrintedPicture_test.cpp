// The drawing on paper: the README's design drawn in the real window, given
// its print look and painted into a PDF page as the hard copy paints it, then
// rendered by pdftoppm as a printer would. The outline must come out whole,
// each line one stroke, the wall twice as wide as the thin lines and none
// too thin to see.
#include "support/TestDesigns.h"
#include "ui/HardCopyLook.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/PrintedOutline.h"
#include "ui/qt/WindowPrinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace pitwright;
using namespace pitwright::testing;

namespace {

const QPageLayout kA4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                      QPageLayout::Millimeter);

// The window painted onto one PDF page as the hard copy paints it: scaled to
// the printable area at the printer's resolution. Returns the map from the
// picture's usable area to the page, in points.
QTransform printWindow(QWidget& window, const PictureBox& picture, const QString& path,
                       int dotsPerInch) {
    // No caret or selection on paper, as for the hard copy.
    const QPointer<QWidget> focused = window.focusWidget();
    if (focused) {
        focused->clearFocus();
    }
    QPdfWriter pdf(path);
    pdf.setPageLayout(kA4);
    pdf.setResolution(dotsPerInch);
    QPainter painter(&pdf);
    const QRectF place = placeOnPage(QSizeF(window.size()), QSizeF(pdf.width(), pdf.height()));
    painter.translate(place.topLeft());
    const qreal scale = place.width() / window.width();
    painter.scale(scale, scale);
    window.render(&painter, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }

    const int inset = picture.hasBorder() ? 1 : 0;
    const QPointF pictureOrigin = picture.mapTo(&window, QPoint(inset, inset));
    const QPointF printable = kA4.paintRect(QPageLayout::Point).topLeft();
    const qreal pointsPerDot = 72.0 / dotsPerInch;
    QTransform map;
    map.translate(printable.x() + place.left() * pointsPerDot,
                  printable.y() + place.top() * pointsPerDot);
    map.scale(scale * pointsPerDot, scale * pointsPerDot);
    map.translate(pictureOrigin.x(), pictureOrigin.y());
    return map;
}

} // namespace

class PrintedPicture : public QObject {
    Q_OBJECT

private slots:
    void theOutlineIsWholeAndTheWallTwiceTheThinLines_data() {
        QTest::addColumn<int>("printerDots");
        QTest::addColumn<int>("renderDots");
        QTest::newRow("600 dpi page at 150 dpi") << 600 << 150;
        QTest::newRow("600 dpi page at 600 dpi") << 600 << 600;
        QTest::newRow("300 dpi page at 600 dpi") << 300 << 600;
    }

    void theOutlineIsWholeAndTheWallTwiceTheThinLines() {
        QFETCH(int, printerDots);
        QFETCH(int, renderDots);
        PitwrightMainWindow window;
        window.setEndProgram({});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        testing::enterBenchDesign(window.form(), 10);
        window.form().clicked(ControlId::cmdCalcAndDraw);
        const PictureBox& picture = window.controls().picture();
        QVERIFY(picture.strokes().size() > 20);
        applyPrintLook(window.form().controls());

        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
        const QTransform toPoints = printWindow(window, picture, pdf, printerDots);
        // Only the picture's part of the page: a whole page at 600 dpi is
        // larger than Qt reads by default.
        const qreal pixelsPerPoint = renderDots / 72.0;
        const QTransform toPage = toPoints * QTransform::fromScale(pixelsPerPoint, pixelsPerPoint);
        const QRect part = toPage.mapRect(QRectF(0, 0, picture.ScaleWidth(), picture.ScaleHeight()))
                               .toAlignedRect();
        const QImage page = rasterisePart(pdf, renderDots, part);
        QVERIFY2(!page.isNull(), "pdftoppm gave no page");
        const QTransform toPart = toPage * QTransform::fromTranslate(-part.x(), -part.y());

        const PrintedOutline outline =
            checkPrintedOutline(page, renderDots, picture.strokes(), toPart);
        QVERIFY2(outline.faults.isEmpty(), qPrintable(outline.faults.join(QLatin1Char('\n'))));
        QVERIFY(outline.samples > 1000);
        // The thinnest line is at least a quarter of a millimetre, the wall
        // twice as wide.
        QVERIFY2(outline.thinWidthMm >= 0.25, qPrintable(QString::number(outline.thinWidthMm)));
        const double ratio = outline.wallWidthMm / outline.thinWidthMm;
        QVERIFY2(ratio > 1.7 && ratio < 2.3, qPrintable(QStringLiteral("thin %1 mm, wall %2 mm")
                                                            .arg(outline.thinWidthMm)
                                                            .arg(outline.wallWidthMm)));
    }
};

QTEST_MAIN(PrintedPicture)
#include "PrintedPicture_test.moc"
