// The "Check stability" window beside the real main window: one non-modal
// window that follows the drawn design and the values typed into it.
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/StabilitySectionView.h"
#include "ui/qt/WindowDriver.h"
#include "ui/qt/frmStabilityCheck.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

namespace {

int openStabilityWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == "frmStabilityCheck" && window->isVisible() ? 1 : 0;
    }
    return count;
}

QLineEdit* field(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromUtf8(name));
}

// Every text the window shows: fields, labels and the results.
QString allTexts(QWidget& window) {
    QString texts;
    for (const auto* edit : window.findChildren<QLineEdit*>()) {
        texts += edit->text() + "\n";
    }
    for (const auto* label : window.findChildren<QLabel*>()) {
        texts += label->text() + "\n";
    }
    for (const auto* text : window.findChildren<QPlainTextEdit*>()) {
        texts += text->toPlainText() + "\n";
    }
    return texts;
}

bool near(QRgb pixel, const QColor& color) {
    return std::abs(qRed(pixel) - color.red()) + std::abs(qGreen(pixel) - color.green()) +
               std::abs(qBlue(pixel) - color.blue()) <
           60;
}

// Pixels of the colour in the drawing, below its legend.
int pixelsOf(QWidget& section, const QColor& color) {
    const QImage image = section.grab().toImage();
    int count = 0;
    for (int y = image.height() / 4; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += near(image.pixel(x, y), color) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class StabilityWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;
    std::unique_ptr<MessageBoxAnswerer> boxes;

    pitwright::frmPitwrightMain& form() { return window->form(); }

    void draw(int benches) {
        testing::enterBenchDesign(form(), benches);
        form().clicked(cmdCalcAndDraw);
        QVERIFY(form().hasDrawnDesign());
    }

    frmStabilityCheck* open() {
        frmStabilityCheck* check = showStabilityCheck(form(), window.get());
        if (check != nullptr) {
            check->resize(960, 640);
        }
        return check;
    }

    // Types over a value and waits for the figures to be worked out again.
    static void typeValue(frmStabilityCheck& check, const char* name, const QString& value) {
        QLineEdit* edit = field(check, name);
        edit->selectAll();
        QTest::keyClicks(edit, value);
        QCOMPARE(edit->text(), value);
    }

    static void typeRock(frmStabilityCheck& check) {
        typeValue(check, "txtUnitWeight", "26");
        typeValue(check, "txtCohesion", "50");
        typeValue(check, "txtFrictionAngle", "35");
        QTRY_VERIFY(check.analysis().hasFigures());
    }

    static QWidget& section(frmStabilityCheck& check) {
        return *check.findChild<QWidget*>("picStabilitySection");
    }

private slots:
    void init() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([] {});
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        boxes = std::make_unique<MessageBoxAnswerer>();
    }
    void cleanup() {
        boxes.reset();
        window.reset();
    }

    void opensOneWindowThatLeavesTheMainWindowUsable() {
        draw(10);
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QCOMPARE(open(), check);
        QCOMPARE(openStabilityWindows(), 1);
        QCOMPARE(check->windowTitle(), QString("Check stability"));
        QCOMPARE(check->windowModality(), Qt::NonModal);
        QVERIFY(check->isWindow());
        QCOMPARE(field(*check, "txtTargetFactor")->text(), QString("1.3"));
        // Nothing typed yet: the window asks for the rock mass and still
        // shows the section.
        QVERIFY(check->resultsText().contains("Enter the unit weight"));
        QVERIFY(!check->analysis().surface.empty());

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        check->close();
        QCOMPARE(openStabilityWindows(), 0);
        QVERIFY(form().hasDrawnDesign());
        // Opened again, it has kept its values.
        field(*check, "txtUnitWeight")->setText("27");
        QCOMPARE(open(), check);
        QCOMPARE(field(*check, "txtUnitWeight")->text(), QString("27"));
    }

    void showsTheFiguresAndDrawsBothArcs() {
        draw(10);
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        typeRock(*check);
        const QString results = check->resultsText();
        QVERIFY(results.contains("Whole slope: factor of safety "));
        QVERIFY(results.contains("Worst stack: stack "));
        QVERIFY(results.contains(" the target 1.3"));
        QVERIFY(results.contains("a grid of 12 \u00D7 12 centres"));
        QVERIFY(check->groundModelText().startsWith("Ground model: a flat pit floor"));
        QVERIFY(!allTexts(*check).contains("nan", Qt::CaseInsensitive));
        QVERIFY(!allTexts(*check).contains("inf", Qt::CaseInsensitive));

        const StabilityAnalysis& a = check->analysis();
        QVERIFY(a.overall && a.worstStack);
        QVERIFY(!a.overallWithinStack); // so both arcs show
        QVERIFY(pixelsOf(section(*check), StabilitySectionView::overallColor()) > 40);
        QVERIFY(pixelsOf(section(*check), StabilitySectionView::worstStackColor()) > 20);
    }

    void aNewDrawingGivesNewFiguresAndAResetSaysThereIsNoDesign() {
        draw(10);
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        typeRock(*check);
        const double tenBenches = check->analysis().overall->factorOfSafety;

        draw(20);
        QVERIFY(check->analysis().hasFigures());
        QVERIFY(check->analysis().overall->factorOfSafety != tenBenches);
        QCOMPARE(check->analysis().slopeHeight, 200.0);
        QVERIFY(check->groundModelText().contains("(400 m)"));

        form().clicked(cmdResetValues);
        QVERIFY(!check->analysis().hasFigures());
        QVERIFY(check->resultsText().contains("There is no drawn design"));
        QVERIFY(check->analysis().surface.empty());
        QVERIFY(check->groundModelText().isEmpty());
        QCOMPARE(pixelsOf(section(*check), StabilitySectionView::overallColor()), 0);
        QCOMPARE(pixelsOf(section(*check), StabilitySectionView::worstStackColor()), 0);
        // The values stay for the next design.
        QCOMPARE(field(*check, "txtFrictionAngle")->text(), QString("35"));
        draw(10);
        QCOMPARE(check->analysis().overall->factorOfSafety, tenBenches);
    }

    void aBadValueIsExplainedWithoutAnyFigure() {
        draw(10);
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        typeRock(*check);
        typeValue(*check, "txtFrictionAngle", "90");
        QTRY_VERIFY(!check->analysis().hasFigures());
        QVERIFY(check->resultsText().contains("The friction angle must be below 90\u00B0."));
        typeValue(*check, "txtUnitWeight", "-1");
        QTRY_VERIFY(check->resultsText().contains("The unit weight must be above 0"));
        QVERIFY(!allTexts(*check).contains("nan", Qt::CaseInsensitive));
        QVERIFY(!allTexts(*check).contains("inf", Qt::CaseInsensitive));
        // No circle drawn, the section still is.
        QCOMPARE(pixelsOf(section(*check), StabilitySectionView::overallColor()), 0);
        QVERIFY(pixelsOf(section(*check), Qt::black) > 50);
    }

    void waitsForAPauseInTypingBeforeWorkingOut() {
        draw(10);
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        typeRock(*check);
        const double before = check->analysis().overall->factorOfSafety;
        typeValue(*check, "txtCohesion", "80");
        // Straight after the keys the figures are still the old ones.
        QCOMPARE(check->analysis().overall->factorOfSafety, before);
        QTRY_VERIFY(check->analysis().overall->factorOfSafety > before);
    }

    // Benches per stack changed after the drawing: the stacks stay those of
    // the section on screen until it is drawn again.
    void followsTheStacksOfTheDrawing() {
        frmStabilityCheck* check = open();
        QVERIFY(check != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(check));
        draw(10);
        typeRock(*check);
        form().focusGained(txtBenchesPerStack);
        form().userEditedText(txtBenchesPerStack, "2");
        QVERIFY(form().hasDrawnDesign());
        typeValue(*check, "txtCohesion", "51");
        check->recompute();
        QVERIFY2(check->analysis().hasFigures(), qPrintable(check->resultsText()));
        QVERIFY(check->resultsText().contains(" of 2 (benches "));
    }
};

QTEST_MAIN(StabilityWindow)
#include "StabilityWindow_test.moc"
