#include "ui/qt/PrinterOutput.h"
#include "ui/qt/WindowPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
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
    const DefaultPrinter found = findDefaultPrinter();
    ASSERT_EQ(found.outcome.problem, PrintProblem::None) << found.outcome.detail;
    ASSERT_EQ(found.name, printer.queue());
    printer.clear();
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    ASSERT_TRUE(outcome.printed) << outcome.detail;
    QString why;
    const QString pdf = printer.waitForPdf(60s, &why);
    ASSERT_FALSE(pdf.isEmpty()) << why.toStdString();

    constexpr int dpi = 72;
    const QImage page = pageImage(pdf, dpi);
    ASSERT_FALSE(page.isNull());
    const PageMap map(QSizeF(window.size()), found.page, dpi);
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
    EXPECT_EQ(outcome.problem, PrintProblem::JobRefused);
    EXPECT_NE(outcome.printer.find("-refusing"), std::string::npos) << outcome.printer;
    EXPECT_NE(outcome.detail.find("not accepting"), std::string::npos) << outcome.detail;
}

TEST(NoDefaultPrinterTest, SaysNoPrintServerRuns) {
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    EXPECT_FALSE(outcome.printed);
    EXPECT_EQ(outcome.problem, PrintProblem::NoPrintServer);
}

TEST(NoDefaultPrinterTest, SaysNoPrinterIsTheDefaultOne) {
    StandIn window;

    const PrintOutcome outcome = printOnDefaultPrinter(window);

    EXPECT_FALSE(outcome.printed);
    EXPECT_EQ(outcome.problem, PrintProblem::NoDefaultPrinter) << outcome.detail;
}

// A print server that hangs (stopped, as a debugger or an overloaded machine
// would stop it) is given up after the time allowed, and never reported as
// having printed. It hung the window for minutes before.
TEST(HungPrintServerTest, GivesUpWithinTheTimeAllowed) {
    const PrinterOutput printer = PrinterOutput::fromEnvironment();
    ASSERT_FALSE(printer.queue().isEmpty()) << "run through ctest: the print server is needed";
    printer.clear();
    StandIn window;
    const auto started = std::chrono::steady_clock::now();
    PrintOutcome outcome;
    {
        const StoppedPrintServer stopped = printer.stopServer();
        outcome = printOnDefaultPrinter(window, 2s);
    }
    const auto took = std::chrono::steady_clock::now() - started;

    EXPECT_FALSE(outcome.printed);
    EXPECT_EQ(outcome.problem, PrintProblem::ServerDoesNotAnswer) << outcome.detail;
    // A bound on the hang, far below the minutes it took; not a speed.
    EXPECT_LT(took, 30s);
}

} // namespace
} // namespace pitwright::testing
