// The designs of the height and angle examples typed into the real window
// with the keyboard, Tab by Tab, and the window's answers at each stage.
#include "support/WindowLists.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/CheckStatusBar.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/WindowDriver.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <set>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

class MainWindowTyping : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;
    std::unique_ptr<MessageBoxAnswerer> boxes;
    std::set<QString> everFocused;

    QString text(ControlId id) const { return textOf(*window, id); }
    bool usable(ControlId id) const { return testing::usable(*window, id); }
    QWidget* widget(ControlId id) const { return window->controls().widget(id); }
    PictureBox& picture() const { return window->controls().picture(); }

    // Slope height, bench height and benches per stack, each followed by Tab.
    void typeHeights(const QString& slope, const QString& bench, const QString& perStack) {
        QCOMPARE(focusedName(), QString("optCrestToToeSlopeAngle"));
        pressTab();
        QCOMPARE(focusedName(), QString("txtSlopeHeight"));
        type(slope);
        pressTab();
        QCOMPARE(focusedName(), QString("txtBenchHeight"));
        type(bench);
        pressTab();
        QCOMPARE(focusedName(), QString("txtBenchesPerStack"));
        type(perStack);
        pressTab();
    }

private slots:
    void init() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([] {});
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        boxes = std::make_unique<MessageBoxAnswerer>();
        everFocused.clear();
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now != nullptr) {
                everFocused.insert(now->objectName());
            }
        });
    }

    void cleanup() {
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
        // Result fields are read-only and never take the focus.
        for (ControlId id : kResultFields) {
            QVERIFY(window->controls().lineEdit(id)->isReadOnly());
            QVERIFY2(!everFocused.contains(widget(id)->objectName()),
                     qPrintable(widget(id)->objectName()));
        }
        boxes.reset();
        window.reset();
    }

    void aCompleteDesignTypedWithTheKeyboardIsDrawn() {
        QCOMPARE(
            text(txtComment),
            QString("Crest-to-toe slope angle: Measured from the slope toe to the slope crest"));
        QVERIFY(usable(txtSlopeHeight));
        QVERIFY(!usable(txtBenchHeight));

        QCOMPARE(focusedName(), QString("optCrestToToeSlopeAngle"));
        pressTab();
        type("100");
        QVERIFY(usable(txtBenchHeight));
        pressTab();
        type("10");
        QVERIFY(!usable(txtSlopeHeight));
        QVERIFY(usable(txtBenchesPerStack));
        pressTab();
        // Entering benches per stack derives the bench count.
        QCOMPARE(focusedName(), QString("txtBenchesPerStack"));
        QCOMPARE(text(txtNumberBenches), QString("10"));
        QCOMPARE(text(txtNumberStepOuts), QString("9"));
        QCOMPARE(text(txtSlopeHeight), QString("100"));
        type("5");
        QCOMPARE(text(txtNumberStacks), QString("2"));
        QCOMPARE(text(txtNumberBerms), QString("1"));
        QVERIFY(usable(txtCrestToToeSlopeAngle));
        QVERIFY(!usable(txtToeToToeSlopeAngle));
        QVERIFY(!usable(optCrestToToeSlopeAngle));

        pressTab();
        QCOMPARE(focusedName(), QString("txtCrestToToeSlopeAngle"));
        type("45");
        QCOMPARE(text(txtSlopeHorizontalExtent), QString("100"));
        pressTab();
        // The toe-to-toe field is closed: Tab goes on to the stack angle.
        QCOMPARE(focusedName(), QString("txtStackAngle"));
        type("60");
        QCOMPARE(text(txtStackHorizontalExtend), QString("28.87"));
        QCOMPARE(text(txtBermWidth), QString("42.26"));
        QCOMPARE(text(txtToeToToeSlopeAngle), QString("35.1"));
        pressTab();
        QCOMPARE(focusedName(), QString("txtBenchAngle"));
        type("75");
        QCOMPARE(text(txtBenchHorizontalExtend), QString("2.68"));
        QCOMPARE(text(txtStepOutWidth), QString("3.87"));
        QVERIFY(usable(cmdCalcAndDraw));
        QVERIFY(!usable(cmd3Dview));
        // The catch berm check follows the typing at the foot of the window.
        QVERIFY(window->checkStatusBar().shownText().contains("Catch berm 42.26 m meets"));

        pressTab();
        QCOMPARE(focusedName(), QString("cmdCalcAndDraw"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(!picture().strokes().empty());
        for (ControlId id : kCommandsOfADrawing) {
            QVERIFY(usable(id));
        }
        QVERIFY(boxes->seen.empty());

        // From the drawing command Tab walks the commands in their order,
        // then CLEAR and the comment line, then round to the bench angle.
        QStringList walk;
        for (int i = 0; i < 8; ++i) {
            pressTab();
            walk << focusedName();
        }
        QCOMPARE(walk,
                 QStringList({"cmd3Dview", "cmdPrintHardCopy", "cmdResetValues", "cmdClearPicture",
                              "cmdClearAngles", "txtComment", "txtBenchAngle", "cmdCalcAndDraw"}));
    }

    void heightsAreRaisedToWholeBenchesAndStacks() {
        QCOMPARE(focusedName(), QString("optCrestToToeSlopeAngle"));
        pressTab();
        type("104");
        pressTab();
        type("10");
        pressTab();
        QCOMPARE(text(txtNumberBenches), QString("11"));
        QCOMPARE(text(txtNumberStepOuts), QString("10"));
        QCOMPARE(text(txtSlopeHeight), QString("110"));
        type("3");
        QCOMPARE(text(txtNumberStacks), QString("4"));
        QCOMPARE(text(txtNumberBerms), QString("3"));
        QCOMPARE(text(txtNumberBenches), QString("12"));
        QCOMPARE(text(txtSlopeHeight), QString("120"));

        // Emptying benches per stack reopens the bench height and closes the
        // angles; the convention stays fixed.
        QTest::keyClick(focused(), Qt::Key_Backspace);
        QCOMPARE(text(txtBenchesPerStack), QString());
        QCOMPARE(text(txtNumberStacks), QString());
        QVERIFY(usable(txtBenchHeight));
        QVERIFY(!usable(txtCrestToToeSlopeAngle));
        QVERIFY(!usable(optCrestToToeSlopeAngle));
    }

    void aDecimalPointTypedInBenchesPerStackIsUndoneWithTheCaretAtTheEnd() {
        typeHeights("100", "10", "");
        QTest::keyClick(focused(), Qt::Key_Backtab);
        QCOMPARE(focusedName(), QString("txtBenchesPerStack"));
        type("2.");
        QLineEdit* edit = window->controls().lineEdit(txtBenchesPerStack);
        QCOMPARE(edit->text(), QString("2"));
        QCOMPARE(edit->cursorPosition(), 1);
        type("5");
        QCOMPARE(edit->text(), QString("25"));
        QCOMPARE(text(txtNumberStacks), QString("1"));
    }

    void theToeToToeDesignDividesTheBermsByTheirNumberPlusOne() {
        QTest::keyClick(focused(), Qt::Key_Down); // arrow to the other convention
        QCOMPARE(focusedName(), QString("optToeToToeSlopeAngle"));
        QVERIFY(qobject_cast<QRadioButton*>(widget(optToeToToeSlopeAngle))->isChecked());
        QCOMPARE(window->controls().widget(lblSlopeHorizontalExtent)->property("text").toString(),
                 QString("Inter-ramp horizontal (m):"));
        pressTab();
        QCOMPARE(focusedName(), QString("txtSlopeHeight"));
        type("100");
        pressTab();
        type("10");
        pressTab();
        type("5");
        pressTab();
        QCOMPARE(focusedName(), QString("txtToeToToeSlopeAngle"));
        type("40");
        QCOMPARE(text(txtSlopeHorizontalExtent), QString("119.175"));
        pressTab();
        type("60");
        QCOMPARE(text(txtBermWidth), QString("30.72"));
        QCOMPARE(text(txtCrestToToeSlopeAngle), QString("48.5"));
    }

    void eachConventionClickSetsTheHorizontalCaption() {
        auto* caption = qobject_cast<QLabel*>(widget(lblSlopeHorizontalExtent));
        QCOMPARE(caption->text(), QString("Overall horizontal (m):"));
        QTest::mouseClick(widget(optToeToToeSlopeAngle), Qt::LeftButton);
        QCOMPARE(caption->text(), QString("Inter-ramp horizontal (m):"));
        QCOMPARE(text(txtComment), QString("Measured from ramp bottom toe to upper toe (or bottom "
                                           "crest to upper crest)"));
        QTest::mouseClick(widget(optCrestToToeSlopeAngle), Qt::LeftButton);
        QCOMPARE(caption->text(), QString("Crest-to-toe horizontal (m):"));
        QCOMPARE(text(txtComment), QString("Measured from the slope toe to the slope crest"));
    }

    void theStackAngleCheckIsARealModalBoxAndCorrectsTheAngle() {
        typeHeights("100", "10", "10"); // one stack of ten benches
        type("45");
        pressTab();
        type("40");
        pressTab(); // into the bench angle: the check
        QCOMPARE(boxes->seen.size(), std::size_t{1});
        const SeenMessageBox& box = boxes->seen.front();
        QCOMPARE(box.title, QString("Angle error"));
        QCOMPARE(box.text, QString("The stack slope angle cannot be smaller than the Crest-to-toe "
                                   "or inter-ramp slope angle"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.applicationModal);
        QCOMPARE(text(txtStackAngle), QString("45"));
        // The focus comes back to the bench angle without a second check.
        QTRY_COMPARE(focusedName(), QString("txtBenchAngle"));
        QTest::qWait(20);
        QCOMPARE(boxes->seen.size(), std::size_t{1});
    }

    void clickingTheDrawingCommandChecksTheAnglesFirstThenDraws() {
        typeHeights("100", "10", "5");
        type("45");
        pressTab();
        type("60");
        pressTab();
        type("55");
        QTest::mouseClick(widget(cmdCalcAndDraw), Qt::LeftButton);
        QCOMPARE(boxes->seen.size(), std::size_t{1});
        QCOMPARE(boxes->seen.front().text,
                 QString("The bench angle cannot be smaller than the stack angle"));
        QCOMPARE(text(txtBenchAngle), QString("60"));
        QTRY_COMPARE(focusedName(), QString("cmdCalcAndDraw"));
        QVERIFY(!picture().strokes().empty());
        QVERIFY(usable(cmdClearPicture));
    }

    void aMouseClickIntoAFieldSelectsItsWholeText() {
        typeHeights("100", "10", "5");
        QLineEdit* slope = window->controls().lineEdit(txtCrestToToeSlopeAngle);
        type("45");
        pressTab();
        QCOMPARE(focusedName(), QString("txtStackAngle"));
        QTest::mouseClick(slope, Qt::LeftButton, {}, QPoint(5, slope->height() / 2));
        QCOMPARE(focused(), slope);
        QCOMPARE(slope->selectedText(), QString("45"));
        QCOMPARE(slope->cursorPosition(), 0);
        type("50"); // typing replaces the whole value
        QCOMPARE(slope->text(), QString("50"));
    }

    void newEvaluationEmptiesEverythingAndFocusesTheSlopeHeight() {
        typeHeights("100", "10", "5");
        type("45");
        QTest::mouseClick(widget(cmdResetValues), Qt::LeftButton);
        QCOMPARE(focusedName(), QString("txtSlopeHeight"));
        for (ControlId id : {txtSlopeHeight, txtBenchHeight, txtNumberBenches, txtBenchesPerStack,
                             txtCrestToToeSlopeAngle, txtSlopeHorizontalExtent, txtComment}) {
            QCOMPARE(text(id), QString());
        }
        QVERIFY(usable(optCrestToToeSlopeAngle));
        QVERIFY(!usable(txtBenchHeight));
    }

    void clearPictureClearsAndFocusesTheDrawingCommand() {
        typeHeights("100", "10", "5");
        type("45");
        pressTab();
        type("60");
        pressTab();
        type("75");
        pressTab();
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(!picture().strokes().empty());
        QTest::mouseClick(widget(cmdClearPicture), Qt::LeftButton);
        QVERIFY(picture().strokes().empty());
        QCOMPARE(focusedName(), QString("cmdCalcAndDraw"));
        QVERIFY(usable(cmd3Dview)); // the commands stay enabled
    }

    void aWallWithoutHorizontalExtentLeavesAClearedPictureAndSaysWhy() {
        // One bench per stack, one stack: no step outs and no berms.
        typeHeights("10", "10", "1");
        type("45");
        pressTab();
        type("60");
        QVERIFY(!usable(txtBenchAngle));
        QTest::mouseClick(widget(cmdCalcAndDraw), Qt::LeftButton);
        QCOMPARE(text(txtBenchAngle), QString("60")); // copied on gaining the focus
        QVERIFY(!picture().strokes().empty());
        QVERIFY(boxes->seen.empty());

        // CLEAR, and a vertical face: nothing left to scale.
        QTest::mouseClick(widget(cmdClearAngles), Qt::LeftButton);
        QCOMPARE(focusedName(), QString("txtStackAngle"));
        type("90");
        QTest::mouseClick(widget(cmdCalcAndDraw), Qt::LeftButton);
        QCOMPARE(boxes->seen.size(), std::size_t{1});
        QCOMPARE(boxes->seen.front().title, QString("Pitwright"));
        QVERIFY(boxes->seen.front().text.contains("cannot be drawn"));
        QVERIFY(picture().strokes().empty());
        for (ControlId id : kCommandsOfADrawing) {
            QVERIFY(usable(id)); // as they were
        }
    }

    // A data file without a bench height, opened over a drawn design, used
    // to bring the old drawing back and export the old wall.
    void anOpenedDesignThatCannotBeDrawnLeavesNoOldDrawing() {
        typeHeights("100", "10", "5");
        type("45");
        pressTab();
        type("60");
        pressTab();
        type("75");
        QTest::mouseClick(widget(cmdCalcAndDraw), Qt::LeftButton);
        QVERIFY(!picture().strokes().empty());
        QVERIFY(usable(cmd3Dview));

        QTemporaryDir folder;
        const QString path = folder.filePath("three.DAT");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("3\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        file.close();
        QTest::mouseClick(widget(cmdResetValues), Qt::LeftButton);
        window->form().openDataFile(path.toStdString());

        QVERIFY(picture().strokes().empty());
        QVERIFY(!usable(cmd3Dview));
        QCOMPARE(text(txtComment), "Data-file opened: '" + path + "'");
        QCOMPARE(boxes->seen.size(), std::size_t{1});
        QCOMPARE(boxes->seen.front().text,
                 QString("The opened design cannot be drawn: \"Bench height\" is empty or 0."));
    }
};

QTEST_MAIN(MainWindowTyping)
#include "MainWindowTyping_test.moc"
