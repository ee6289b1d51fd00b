// The window against its control table: every control where the table puts
// it, with its look, and the window's frame, menu and start state.
#include "model/MainWindowControls.h"
#include "support/TestDesigns.h"
#include "support/WindowLists.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/CheckStatusBar.h"
#include "ui/qt/LayoutUnits.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/WindowDriver.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

namespace {
// A menu caption as the user reads it: "&File" is "File", "&&" one "&".
QString withoutMnemonic(QString caption) {
    caption.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return caption;
}
} // namespace

class MainWindowLayout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;

private slots:
    void init() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([] {});
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void everyControlIsBuiltFromItsRowOfTheTable() {
        for (const ControlSpec& row : mainWindowControls()) {
            if (row.kind == ControlKind::Window) {
                continue;
            }
            const QString name = QString::fromUtf8(row.name);
            auto* widget = window->findChild<QWidget*>(name);
            QVERIFY2(widget != nullptr, qPrintable(name));
            QCOMPARE(widget, window->controls().widget(row.id));
            QCOMPARE(widget->geometry(), twipsRect(row.left, row.top, row.width, row.height));
            const QWidget* container =
                row.container ? window->controls().widget(*row.container) : window->centralWidget();
            QCOMPARE(widget->parentWidget(), container);

            const QFont font = widget->font();
            QCOMPARE(font.family(), QString("Arial"));
            QCOMPARE(font.pointSizeF(), row.font.points);
            QCOMPARE(font.bold(), row.font.bold);
            QCOMPARE(font.italic(), row.font.italic);
            QCOMPARE(widget->toolTip(), QString::fromUtf8(row.toolTip));
            // Of the two convention choices only the selected one is a Tab stop;
            // the other takes the focus by mouse and arrow keys.
            const Qt::FocusPolicy expected =
                !row.tabStop ? Qt::NoFocus
                : widget->property("checked").toBool() || row.kind != ControlKind::Option
                    ? Qt::StrongFocus
                    : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus);
            QVERIFY2(widget->focusPolicy() == expected, qPrintable(name));
            if (row.kind == ControlKind::TextBox) {
                QCOMPARE(window->controls().lineEdit(row.id)->isReadOnly(), row.readOnly);
            }
            if (row.kind == ControlKind::Label || row.kind == ControlKind::Group ||
                row.kind == ControlKind::Option || row.kind == ControlKind::Command) {
                QCOMPARE(
                    widget->property(row.kind == ControlKind::Group ? "title" : "text").toString(),
                    QString::fromUtf8(row.caption));
            }
        }
        // "Arial" is there, or a metric twin of it.
        const QFontInfo shown(window->controls().widget(txtSlopeHeight)->font());
        QVERIFY2(shown.family() == "Arial" || shown.family() == "Liberation Sans",
                 qPrintable(shown.family()));
    }

    void resultFieldsAreDarkGreyOnTheButtonFaceAndInputsWhite() {
        const QColor buttonFace = ControlWidgets::colorOf(BackColor::ButtonFace);
        QLineEdit* result = window->controls().lineEdit(txtNumberBenches);
        QCOMPARE(result->palette().color(QPalette::Active, QPalette::Text),
                 QColor(0x40, 0x40, 0x40));
        QCOMPARE(result->palette().color(QPalette::Base), buttonFace);
        QLineEdit* input = window->controls().lineEdit(txtSlopeHeight);
        QCOMPARE(input->palette().color(QPalette::Base), QColor(Qt::white));
        auto* greyLabel = qobject_cast<QLabel*>(window->controls().widget(lblNumberBenches));
        QCOMPARE(greyLabel->palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(0x40, 0x40, 0x40));
    }

    void theWindowHasAFixedBorderATitleAndAnIcon() {
        QVERIFY(window->windowTitle().startsWith("Pitwright Share - "));
        QVERIFY(window->windowTitle().size() > QString("Pitwright Share - ").size());
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(window->centralWidget()->size(), QSize(794, 554));
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 3);
    }

    // The status bar with the design's checks lies below the client area,
    // which keeps its size and places; the window grows by the bar.
    void theCheckStatusBarSitsBelowTheClientAreaAndTakesNoFocus() {
        const QWidget& bar = window->checkStatusBar();
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.y(), window->centralWidget()->geometry().bottom() + 1);
        QCOMPARE(bar.height(), kCheckStatusBarHeight);
        QCOMPARE(window->height(), window->menuBar()->height() + 554 + bar.height());
        QCOMPARE(bar.focusPolicy(), Qt::NoFocus);
        for (const QWidget* child : bar.findChildren<QWidget*>()) {
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        }
    }

    // File and About as the window has always had them; Export and Analysis
    // between them for the drawn design.
    void theMenuHoldsFileExportAnalysisAndAbout() {
        const QList<QAction*> bar = window->menuBar()->actions();
        QStringList titles;
        for (QAction* entry : bar) {
            titles << withoutMnemonic(entry->text());
        }
        QCOMPARE(titles, QStringList({"File", "Export", "Analysis", "About"}));
        QCOMPARE(bar[3]->objectName(), QString("mnuAbout"));
        QVERIFY(bar[3]->menu() == nullptr); // choosing it acts at once
        auto itemsOf = [](QAction* entry) {
            QStringList items;
            for (QAction* action : entry->menu()->actions()) {
                items << (action->isSeparator() ? "-" : withoutMnemonic(action->text())) + ":" +
                             action->objectName();
            }
            return items;
        };
        QCOMPARE(itemsOf(bar[0]),
                 QStringList({"Open saved data:mnuOpenSavedData", "-:mnuSpace01",
                              "Save data:mnuSaveData", "-:mnuSpace02", "Exit:mnuExit"}));
        QCOMPARE(itemsOf(bar[1]), QStringList({"Section drawing\u2026:mnuExportSection",
                                               "3D shell\u2026:mnuExportShell"}));
        QCOMPARE(itemsOf(bar[2]), QStringList({"Check stability\u2026:mnuCheckStability"}));
    }

    // Open exactly when "Write a 3D-file" is: after a drawing, until a reset.
    void theExportsAndTheAnalysisFollowTheThreeDCommand() {
        const QStringList names{"mnuExportSection", "mnuExportShell", "mnuCheckStability"};
        auto open = [&] {
            QList<bool> states;
            for (const QString& name : names) {
                states << window->findChild<QAction*>(name)->isEnabled();
            }
            return states;
        };
        QCOMPARE(open(), QList<bool>({false, false, false}));
        testing::typeDesign(window->form(), testing::kReadmeDesign);
        QTest::mouseClick(window->controls().widget(cmdCalcAndDraw), Qt::LeftButton);
        QVERIFY(window->controls().widget(cmd3Dview)->isEnabled());
        QCOMPARE(open(), QList<bool>({true, true, true}));
        QTest::mouseClick(window->controls().widget(cmdResetValues), Qt::LeftButton);
        QCOMPARE(open(), QList<bool>({false, false, false}));
    }

    void theTabChainFollowsTheTabPositions() {
        // All stops in the order of the table's tab positions, whatever is
        // enabled at the moment.
        QStringList chain;
        QWidget* first = window->controls().widget(optCrestToToeSlopeAngle);
        QWidget* at = first;
        do {
            if (at->focusPolicy() != Qt::NoFocus) {
                chain << at->objectName();
            }
            at = at->nextInFocusChain();
        } while (at != first);
        QCOMPARE(chain,
                 QStringList({"optCrestToToeSlopeAngle", "optToeToToeSlopeAngle", "txtSlopeHeight",
                              "txtBenchHeight", "txtBenchesPerStack", "txtCrestToToeSlopeAngle",
                              "txtToeToToeSlopeAngle", "txtStackAngle", "txtBenchAngle",
                              "cmdCalcAndDraw", "cmd3Dview", "cmdPrintHardCopy", "cmdResetValues",
                              "cmdClearPicture", "cmdClearAngles", "txtComment"}));
    }

    void aFreshWindowIsInItsStartState() {
        QVERIFY(qobject_cast<QRadioButton*>(window->controls().widget(optCrestToToeSlopeAngle))
                    ->isChecked());
        QCOMPARE(
            textOf(*window, txtComment),
            QString("Crest-to-toe slope angle: Measured from the slope toe to the slope crest"));
        QCOMPARE(window->controls().picture().backColor(), QColor(Qt::white));
        QVERIFY(window->controls().picture().hasBorder());
        QVERIFY(window->controls().widget(txtSlopeHeight)->isEnabled());
        QVERIFY(!window->controls().widget(fraSlopeAngles)->isEnabled());
        // A disabled group closes what it holds, their own flags untouched.
        QVERIFY(!window->controls().widget(lblStackAngle)->isEnabled());
        for (ControlId id : kCommandsClosedAtStart) {
            QVERIFY(!window->controls().widget(id)->isEnabled());
        }
        QVERIFY(window->controls().widget(cmdResetValues)->isEnabled());
        QCOMPARE(focusedName(), QString("optCrestToToeSlopeAngle"));
    }

    void controlChangesOfTheHardCopyLookReachTheWidgets() {
        ControlSet& controls = window->form().controls();
        controls.setBackColor(txtNumberBenches, BackColor::White);
        QCOMPARE(window->controls()
                     .lineEdit(txtNumberBenches)
                     ->palette()
                     .color(QPalette::Active, QPalette::Base),
                 QColor(Qt::white));
        controls.setBackColor(lblSlopeHeight, BackColor::White);
        QVERIFY(window->controls().widget(lblSlopeHeight)->autoFillBackground());
        controls.setVisible(cmdClearAngles, false);
        QVERIFY(window->controls().widget(cmdClearAngles)->isHidden());
        controls.setWidth(txtComment, 6000);
        QCOMPARE(window->controls().widget(txtComment)->width(), 400);
        controls.setBorder(Picture1, false);
        QVERIFY(!window->controls().picture().hasBorder());
        controls.setEnabled(fraSlopeAngles, true);
        QVERIFY(window->controls().widget(fraSlopeAngles)->isEnabled());
        QVERIFY(!window->controls().widget(txtStackAngle)->isEnabled()); // its own flag
    }
};

QTEST_MAIN(MainWindowLayout)
#include "MainWindowLayout_test.moc"
