#include "support/TestDesigns.h"
#include "support/WindowLists.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/PrintedOutline.h"
#include "ui/qt/PrinterOutput.h"
#include "ui/qt/WindowPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

namespace pitwright::testing {
namespace {

using namespace std::chrono_literals;
using MainWindow = pitwright::frmPitwrightMain;
using enum ControlId;

// How the window looked while the message after a hard copy was up.
struct MessageSeen {
    QString text;
    QString title;
    bool commandsShown = false;
    bool commandsHidden = false;
    QColor background;
    bool pictureBorder = false;
    int commentWidth = 0;
};

class HardCopyWindowTest : public ::testing::Test {
protected:
    HardCopyWindowTest() {
        window.setEndProgram({});
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    MainWindow& form() { return window.form(); }
    QWidget& widget(ControlId id) { return *window.controls().widget(id); }
    // The control's place in the window, as the window is printed.
    QRectF placeInWindow(ControlId id) {
        QWidget& w = widget(id);
        return {QPointF(w.mapTo(&window, QPoint(0, 0))), QSizeF(w.size())};
    }

    void drawDesign() {
        typeDesign(form(), kThreePerStackDesign);
        QTest::mouseClick(&widget(cmdCalcAndDraw), Qt::LeftButton);
        ASSERT_FALSE(window.controls().picture().strokes().empty());
        ASSERT_TRUE(widget(cmdPrintHardCopy).isEnabled());
    }

    // Clicks "Print a hard copy" as a user does and closes the message that
    // follows with OK, noting how the window looked meanwhile.
    MessageSeen printHardCopy() {
        MessageSeen seen;
        bool answered = false;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || answered) {
                return;
            }
            answered = true;
            seen.text = box->text();
            seen.title = box->windowTitle();
            noteLook(seen);
            box->button(QMessageBox::Ok)->click();
        });
        answer.start();
        // The user clicks in the active window, as after closing a message.
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(&widget(cmdPrintHardCopy), Qt::LeftButton);
        answer.stop();
        EXPECT_TRUE(answered) << "no message after the hard copy";
        return seen;
    }

    void noteLook(MessageSeen& seen) {
        seen.commandsShown = seen.commandsHidden = true;
        for (ControlId id : kCommands) {
            const bool shown = widget(id).isVisible();
            seen.commandsShown = seen.commandsShown && shown;
            seen.commandsHidden = seen.commandsHidden && !shown;
        }
        seen.background = widget(frmPitwrightMain).palette().color(QPalette::Window);
        seen.pictureBorder = window.controls().picture().hasBorder();
        seen.commentWidth = widget(txtComment).width();
    }

    static void expectWorkingLook(const MessageSeen& seen) {
        EXPECT_TRUE(seen.commandsShown);
        EXPECT_EQ(seen.background, ControlWidgets::colorOf(BackColor::ButtonFace));
        EXPECT_TRUE(seen.pictureBorder);
        EXPECT_EQ(seen.commentWidth, twipsToPixels(3255));
    }

    MessageSeen lookNow() {
        MessageSeen now;
        noteLook(now);
        return now;
    }

    PitwrightMainWindow window;
};

// The button face, the window's ordinary background, as it comes out of
// the printer.
bool isButtonFace(QRgb pixel, const QColor& face) {
    return std::abs(qRed(pixel) - face.red()) <= 4 && std::abs(qGreen(pixel) - face.green()) <= 4 &&
           std::abs(qBlue(pixel) - face.blue()) <= 4;
}

double buttonFaceShare(const QImage& page, const QRect& area) {
    const QColor face = ControlWidgets::colorOf(BackColor::ButtonFace);
    const QRect inside = area.intersected(page.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += isButtonFace(page.pixel(x, y), face) ? 1 : 0;
        }
    }
    return inside.isEmpty() ? 0.0 : double(count) / (inside.width() * inside.height());
}

// On the test suite's own print server, whose queue the test's environment
// makes the default printer.
class OnDefaultPrinter : public HardCopyWindowTest {
protected:
    void SetUp() override {
        ASSERT_FALSE(printer.queue().isEmpty())
            << "run through ctest: the printer fixture is needed";
        ASSERT_EQ(findDefaultPrinter().name, printer.queue());
        printer.clear();
    }

    // The page that came out of the printer, as an image.
    QImage printedPage() {
        QString why;
        const QString pdf = printer.waitForPdf(60s, &why);
        EXPECT_FALSE(pdf.isEmpty()) << why.toStdString();
        return pdf.isEmpty() ? QImage() : pageImage(pdf, kDotsPerInch);
    }

    static constexpr int kDotsPerInch = 100;
    const PrinterOutput printer = PrinterOutput::fromEnvironment();
};

// Where no print server runs at all.
class WithoutDefaultPrinter : public HardCopyWindowTest {};

TEST_F(OnDefaultPrinter, PrintsTheDrawingAndTheValuesOnWhiteWithoutCommands) {
    drawDesign();

    const MessageSeen seen = printHardCopy();

    EXPECT_EQ(seen.text, QStringLiteral("A hard copy of the layout is being printed"));
    EXPECT_EQ(seen.title, QStringLiteral("Printing hard copy"));
    EXPECT_TRUE(seen.commandsHidden);
    EXPECT_EQ(seen.background, QColor(Qt::white));
    EXPECT_FALSE(seen.pictureBorder);
    EXPECT_EQ(seen.commentWidth, twipsToPixels(3015));
    expectWorkingLook(lookNow());

    const QImage page = printedPage();
    ASSERT_FALSE(page.isNull());
    const PageMap map(QSizeF(window.size()), findDefaultPrinter().page, kDotsPerInch);

    // The drawing: every line of the section is on paper where the picture is.
    const QPointF picture = placeInWindow(Picture1).topLeft();
    for (const PictureBox::Stroke& stroke : window.controls().picture().strokes()) {
        const QPoint middle = map(picture + stroke.line.center());
        EXPECT_GT(nonWhitePixels(page, QRect(middle - QPoint(2, 2), QSize(5, 5))), 0)
            << stroke.line.x1() << "," << stroke.line.y1() << " " << stroke.line.x2() << ","
            << stroke.line.y2();
    }
    // The values are printed too: the groups carry their captions and fields.
    EXPECT_GT(darkPixels(page, map(placeInWindow(fraSlopeHeightDimensions))), 0);

    // No command button: where each one sits, the paper is blank.
    for (ControlId id : kCommands) {
        EXPECT_EQ(nonWhitePixels(page, map(placeInWindow(id)).adjusted(2, 2, -2, -2)), 0)
            << controlSpec(id).name;
    }

    // White behind the groups, labels and fields: frames and text leave a
    // few pixels near the button face, a grey background covers most.
    for (ControlId id : {fraSlopeHeightDimensions, fraSlopeAngles, fraSlopeWidthDimensions,
                         txtComment, lblToeToToeSlopeAngle, txtNumberBenches}) {
        EXPECT_LT(buttonFaceShare(page, map(placeInWindow(id))), 0.25) << controlSpec(id).name;
    }
    // Within the client area: the status bar below it carries the checks.
    const QWidget& area = *window.centralWidget();
    const QRectF client(QPointF(area.mapTo(&window, QPoint(0, 0))), QSizeF(area.size()));
    // A pixel in from the menu bar above and the status bar below.
    const QRectF gapBesidePicture(placeInWindow(Picture1).right() + 1, client.top() + 1,
                                  placeInWindow(fraSlopeAngles).left() -
                                      placeInWindow(Picture1).right() - 2,
                                  client.height() - 2);
    EXPECT_EQ(nonWhitePixels(page, map(gapBesidePicture)), 0);
}

// The README's design on paper as the print server hands it on: every line
// of the section whole and one stroke, the wall twice as wide as the thin
// lines, at the resolutions a printer renders.
TEST_F(OnDefaultPrinter, TheSectionOnPaperIsWholeWithTheWallTwiceTheThinLines) {
    typeDesign(form(), kReadmeDesign);
    QTest::mouseClick(&widget(cmdCalcAndDraw), Qt::LeftButton);
    const QPointF picture = widget(Picture1).mapTo(&window, QPoint(0, 0)); // no border on paper
    printHardCopy();
    QString why;
    const QString pdf = printer.waitForPdf(60s, &why);
    ASSERT_FALSE(pdf.isEmpty()) << why.toStdString();

    const PictureBox& box = window.controls().picture();
    for (const int dotsPerInch : {150, 600}) {
        const PageMap map(QSizeF(window.size()), findDefaultPrinter().page, dotsPerInch);
        const QTransform toPage =
            QTransform::fromTranslate(picture.x(), picture.y()) * map.transform();
        const QRect part =
            toPage.mapRect(QRectF(0, 0, box.ScaleWidth(), box.ScaleHeight())).toAlignedRect();
        const QImage image = rasterisePart(pdf, dotsPerInch, part);
        ASSERT_FALSE(image.isNull());
        const PrintedOutline outline =
            checkPrintedOutline(image, dotsPerInch, box.strokes(),
                                toPage * QTransform::fromTranslate(-part.x(), -part.y()));
        EXPECT_TRUE(outline.faults.isEmpty())
            << dotsPerInch << " dpi: " << outline.faults.join(QLatin1Char('\n')).toStdString();
        EXPECT_GT(outline.samples, 1000);
        const double ratio = outline.wallWidthMm / outline.thinWidthMm;
        EXPECT_TRUE(ratio > 1.7 && ratio < 2.3)
            << dotsPerInch << " dpi: thin " << outline.thinWidthMm << " mm, wall "
            << outline.wallWidthMm << " mm";
    }
}

TEST_F(OnDefaultPrinter, PrintingTwiceGivesTheSamePageAndTheSameWorkingLook) {
    drawDesign();
    printHardCopy();
    const QImage firstPage = printedPage();
    const MessageSeen afterFirst = lookNow();
    printer.clear();

    const MessageSeen second = printHardCopy();

    EXPECT_TRUE(second.commandsHidden);
    EXPECT_EQ(printedPage(), firstPage);
    expectWorkingLook(afterFirst);
    expectWorkingLook(lookNow());
}

TEST_F(WithoutDefaultPrinter, SaysNothingWasPrintedAndStillWorks) {
    ASSERT_NE(findDefaultPrinter().outcome.problem, PrintProblem::None);
    drawDesign();

    const MessageSeen seen = printHardCopy();

    EXPECT_EQ(seen.title, QStringLiteral("Printing hard copy"));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Nothing was printed.")))
        << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(QStringLiteral("no default printer")))
        << seen.text.toStdString();
    expectWorkingLook(seen);
    expectWorkingLook(lookNow());
    // The window still works: the drawing command draws again.
    QTest::mouseClick(&widget(cmdCalcAndDraw), Qt::LeftButton);
    EXPECT_FALSE(window.controls().picture().strokes().empty());
}

// A print server that hangs holds the window only for the time allowed;
// then the user reads why nothing was printed, in a window that works.
class WithHungPrintServer : public HardCopyWindowTest {};

TEST_F(WithHungPrintServer, TellsTheUserAndGivesTheWindowBack) {
    const PrinterOutput printer = PrinterOutput::fromEnvironment();
    ASSERT_FALSE(printer.queue().isEmpty()) << "run through ctest: the print server is needed";
    drawDesign();
    MessageSeen seen;
    {
        const StoppedPrintServer stopped = printer.stopServer();
        seen = printHardCopy();
    }
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Nothing was printed. The print server does "
                                                    "not answer")))
        << seen.text.toStdString();
    expectWorkingLook(seen);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy pointer is gone
}

} // namespace
} // namespace pitwright::testing
