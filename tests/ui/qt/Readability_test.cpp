// Every text of the window reads at 4.5 : 1 or better against what it is
// painted on, enabled or not, on screen and in the look it has on paper;
// and the comment line shows the start of its text in both looks. Contrast
// is computed from the colours each control paints with (pixels of small
// antialiased italic text say little).
#include "support/TestDesigns.h"
#include "ui/HardCopyLook.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/WindowDriver.h"
#include "ui/qt/WindowPalette.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QRadioButton>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

namespace {

struct Reading {
    QString name;
    double ratio;
};

// The colour a widget writes its text with, in its present colour group,
// against the colour behind it.
Reading readingOf(const QWidget& widget, QPalette::ColorGroup group) {
    const QPalette palette = widget.palette();
    QPalette::ColorRole text = QPalette::WindowText;
    QPalette::ColorRole background = QPalette::Window;
    if (qobject_cast<const QLineEdit*>(&widget) != nullptr) {
        text = QPalette::Text;
        background = QPalette::Base;
    } else if (qobject_cast<const QAbstractButton*>(&widget) != nullptr &&
               qobject_cast<const QRadioButton*>(&widget) == nullptr) {
        text = QPalette::ButtonText;
        background = QPalette::Button;
    }
    return {widget.objectName(),
            contrastRatio(palette.color(group, text), palette.color(group, background))};
}

// The lowest reading of every control with a text and the menu bar, in the
// colour group each is painted in now, and in the inactive window's group
// for those that are enabled.
Reading lowestReading(const PitwrightMainWindow& window) {
    Reading lowest{QString(), 21};
    auto consider = [&lowest](const QWidget& widget) {
        const QPalette::ColorGroup now = widget.palette().currentColorGroup();
        for (QPalette::ColorGroup group : {now, widget.isEnabled() ? QPalette::Inactive : now}) {
            const Reading reading = readingOf(widget, group);
            if (reading.ratio < lowest.ratio) {
                lowest = reading;
            }
        }
    };
    for (const ControlSpec& row : mainWindowControls()) {
        if (row.kind != ControlKind::Window && row.kind != ControlKind::Picture) {
            consider(*window.controls().widget(row.id));
        }
    }
    consider(*window.menuBar());
    return lowest;
}

int disabledCount(const PitwrightMainWindow& window) {
    int count = 0;
    for (const ControlSpec& row : mainWindowControls()) {
        count += row.kind == ControlKind::TextBox && !usable(window, row.id) ? 1 : 0;
    }
    return count;
}

} // namespace

class Readability : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;

    void drawReadmeDesign() {
        testing::enterBenchDesign(window->form(), 10);
        window->form().clicked(cmdCalcAndDraw);
        QVERIFY(!window->controls().picture().strokes().empty());
    }

    QLineEdit& comment() const { return *window->controls().lineEdit(txtComment); }

    // Whether the comment line shows the start of its text: painted as it
    // is, and painted again once told to show the start, it looks the same.
    bool commentShowsItsStart() {
        const QImage shown = comment().grab().toImage();
        QLineEdit& edit = comment();
        const int caret = edit.cursorPosition();
        const bool hadSelection = edit.hasSelectedText();
        edit.setCursorPosition(0);
        const QImage start = edit.grab().toImage();
        return shown == start && !hadSelection && caret == 0;
    }

private slots:
    void init() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([] {});
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void everyTextReadsAtLeast4_5To1OnScreenAndOnPaper() {
        // At the start most fields are closed; once drawn, the heights,
        // counts and first angles are locked.
        QVERIFY(disabledCount(*window) >= 10);
        const Reading start = lowestReading(*window);
        drawReadmeDesign();
        QVERIFY(disabledCount(*window) >= 6);
        const Reading drawn = lowestReading(*window);
        applyPrintLook(window->form().controls());
        const Reading paper = lowestReading(*window);
        applyWorkingLook(window->form().controls());
        const Reading after = lowestReading(*window);

        qInfo("Lowest contrast: start %.2f (%s), drawn %.2f (%s), paper %.2f (%s), after %.2f (%s)",
              start.ratio, qPrintable(start.name), drawn.ratio, qPrintable(drawn.name), paper.ratio,
              qPrintable(paper.name), after.ratio, qPrintable(after.name));
        for (const Reading& reading : {start, drawn, paper, after}) {
            QVERIFY2(reading.ratio >= kMinimumTextContrast,
                     qPrintable(QStringLiteral("%1 reads at %2 : 1")
                                    .arg(reading.name)
                                    .arg(reading.ratio, 0, 'f', 2)));
        }
    }

    void aDisabledFieldStillLooksDisabledAndResultsKeepTheirLook() {
        drawReadmeDesign();
        QLineEdit* locked = window->controls().lineEdit(txtSlopeHeight);
        QLineEdit* open = window->controls().lineEdit(txtBenchAngle);
        QVERIFY(!locked->isEnabled() && open->isEnabled());
        const QPalette lockedColours = locked->palette();
        const QPalette openColours = open->palette();
        QVERIFY(lockedColours.color(QPalette::Base) != openColours.color(QPalette::Base));
        QCOMPARE(openColours.color(QPalette::Base), QColor(Qt::white));
        QVERIFY(lockedColours.color(QPalette::Text) != openColours.color(QPalette::Text));

        // Dark grey italic, disabled or not.
        for (ControlId id : {txtNumberBenches, txtStackHorizontalExtend}) {
            QLineEdit* result = window->controls().lineEdit(id);
            QVERIFY(result->font().italic());
            QCOMPARE(result->palette().color(QPalette::Active, QPalette::Text),
                     QColor(0x40, 0x40, 0x40));
            QVERIFY(qGray(result->palette().color(QPalette::Disabled, QPalette::Text).rgb()) < 128);
        }
    }

    void theCommentLineShowsTheStartOfItsTextInBothLooks() {
        drawReadmeDesign();
        QVERIFY(comment().fontMetrics().horizontalAdvance(comment().text()) >
                twipsToPixels(kCommentWidthPrinted));
        // The user tabs to "Print a hard copy"; the print look hides it and
        // the focus falls to the comment line, the next stop.
        window->controls().widget(cmdPrintHardCopy)->setFocus(Qt::TabFocusReason);
        applyPrintLook(window->form().controls());
        QCOMPARE(focused(), &comment());
        // The page is drawn without a caret: the focus lets go meanwhile.
        QWidget* hadFocus = focused();
        hadFocus->clearFocus();
        QVERIFY(commentShowsItsStart());

        hadFocus->setFocus(Qt::OtherFocusReason);
        applyWorkingLook(window->form().controls());
        window->controls().widget(cmdPrintHardCopy)->setFocus(Qt::OtherFocusReason);
        QVERIFY(commentShowsItsStart());
    }

    void aTextSelectedWhileTheWindowIsInactiveShowsWhenItComesBack() {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("txtSlopeHeight"));
        type(QStringLiteral("100"));
        // Another window takes the activation; a reaction selects the text.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->form().controls().selectAll(txtSlopeHeight);
        QLineEdit* slope = window->controls().lineEdit(txtSlopeHeight);
        QVERIFY(!slope->hasSelectedText());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(slope->selectedText(), QStringLiteral("100"));
    }
};

QTEST_MAIN(Readability)
#include "Readability_test.moc"
