// The picture area without a screen is as large as the window's picture
// box: the drawing's scale, and what it refuses as too large, depend on it.
#include "cli/HeadlessCanvas.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/PitwrightMainWindow.h"

#include <QtTest>

class HeadlessCanvas : public QObject {
    Q_OBJECT

private slots:
    void hasTheSizeOfTheWindowsPictureBox() {
        pitwright::PitwrightMainWindow window;
        const pitwright::PictureBox& picture = window.controls().picture();
        const pitwright::cli::HeadlessCanvas canvas;
        QCOMPARE(canvas.ScaleWidth(), picture.ScaleWidth());
        QCOMPARE(canvas.ScaleHeight(), picture.ScaleHeight());
        QVERIFY(canvas.ScaleWidth() > 500 && canvas.ScaleHeight() > 500);
    }
};

QTEST_MAIN(HeadlessCanvas)
#include "HeadlessCanvas_test.moc"
