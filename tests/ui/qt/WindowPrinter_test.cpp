#include "ui/qt/PrinterOutput.h"
#include "ui/qt/WindowPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <gtest/gtest.h>

namespace pitwright::testing {
namespace {

using namespace std::chrono_literals;

TEST(PagePlacementTest, FitsTheWindowWithItsProportionsAtTheTopCentre) {
    // A landscape window on a portrait page fills the width.
    const QRectF wide = placeOnPage({800, 600}, {400, 1000});
    EXPECT_EQ(wide, QRectF(0, 0, 400, 300));
    // On a landscape page it fills the height and sits in the middle.
    const QRectF tall = placeOnPage({800, 600}, {2000, 900});
    EXPECT_EQ(tall, QRectF(400, 0, 1200, 900));
    EXPECT_TRUE(placeOnPage({0, 600}, {400, 1000}).isEmpty());
    EXPECT_TRUE(placeOnPage({800, 600}, {0, 0}).isEmpty());
}

// A window with a black square in a known place, a label and a hidden button.
class StandIn : public QWidget {
public:
    StandIn() {
        resize(kWidth, kHeight);
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        auto* label = new QLabel(QStringLiteral("Shown label"), this);
        label->setGeometry(kLabel);
        auto* button = new QPushButton(QStringLiteral("Hidden button"), this);
        button->setGeometry(kButton);
        button->hide();
    }

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 550;
    static constexpr QRect kSquare{100, 150, 200, 200};
    static constexpr QRect kLabel{500, 20, 150, 30};
    static constexpr QRect kButton{500, 300, 150, 40};

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(kSquare, Qt::black);
    }
};

TEST(DefaultPrinterTest, PrintsTheWindowScaledOntoThePage) {
    const PrinterOutput printer = PrinterOutput::fromEnvironment();
    ASSERT_FALSE(printer.queue().isEmpty()) << "run through ctest: the printer fixture is needed";
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), printer.queue());
    printer.clear();
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    ASSERT_TRUE(outcome.printed) << outcome.reason;
    QString why;
    const QString pdf = printer.waitForPdf(60s, &why);
    ASSERT_FALSE(pdf.isEmpty()) << why.toStdString();

    constexpr int dpi = 72;
    const QImage page = pageImage(pdf, dpi);
    ASSERT_FALSE(page.isNull());
    const PageMap map(QSizeF(window.size()), QPrinter(QPrinterInfo::defaultPrinter()).pageLayout(),
                      dpi);
    // The square is where it belongs, at its size: dark inside, white just
    // outside; the label is printed, the hidden button is not.
    const QRectF square = StandIn::kSquare;
    const QRect inner = map(square.adjusted(8, 8, -8, -8));
    EXPECT_EQ(darkPixels(page, inner), inner.width() * inner.height());
    for (const QRectF& beside :
         {square.translated(-square.width() - 10, 0), square.translated(square.width() + 10, 0),
          square.translated(0, square.height() + 10)}) {
        EXPECT_EQ(darkPixels(page, map(beside)), 0);
    }
    EXPECT_GT(darkPixels(page, map(QRectF(StandIn::kLabel))), 0);
    EXPECT_EQ(nonWhitePixels(page, map(QRectF(StandIn::kButton))), 0);
}

TEST(RefusingPrinterTest, SaysThePrinterRefusedTheJob) {
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    EXPECT_FALSE(outcome.printed);
    EXPECT_NE(outcome.reason.find("refused"), std::string::npos) << outcome.reason;
    EXPECT_NE(outcome.reason.find("-refusing"), std::string::npos) << outcome.reason;
}

TEST(NoDefaultPrinterTest, SaysThereIsNoDefaultPrinter) {
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    EXPECT_FALSE(outcome.printed);
    EXPECT_NE(outcome.reason.find("no default printer"), std::string::npos) << outcome.reason;
}

} // namespace
} // namespace pitwright::testing
