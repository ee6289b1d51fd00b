// The window with the keyboard alone: menu letters and shortcuts, the focus
// after a file dialog, and a data file named on the command line.
#include "ui/qt/CommandLine.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/RememberedFolder.h"
#include "ui/qt/WindowDriver.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

namespace {

// The README's design as the window saves it, the derived toe-to-toe angle
// with the rest.
const QByteArray kReadmeDesign("100\r\n10\r\n5\r\n45\r\n35.1\r\n60\r\n75\r\n");

bool isChecked(const PitwrightMainWindow& window, ControlId id) {
    return qobject_cast<QRadioButton*>(window.controls().widget(id))->isChecked();
}

} // namespace

// A command line that names a data file, as a file manager writes it.
CommandLine opening(const QString& file, bool toeToToe = false) {
    CommandLine commandLine;
    commandLine.dataFile = file;
    commandLine.toeToToe = toeToToe;
    return commandLine;
}

class KeyboardAndCommandLine : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;
    std::unique_ptr<MessageBoxAnswerer> boxes;
    int programEnds = 0;
    QTemporaryDir folder;

    void openWindow() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([this] { ++programEnds; });
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QString text(ControlId id) const { return textOf(*window, id); }

    QString writeReadmeDesign() {
        const QString path = folder.filePath(QStringLiteral("readme.DAT"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(kReadmeDesign);
        }
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")); }

    void init() {
        QSettings(QSettings::UserScope, kSettingsOrganisation, kSettingsApplication).clear();
        programEnds = 0;
        boxes = std::make_unique<MessageBoxAnswerer>();
        openWindow();
    }

    void cleanup() {
        window.reset();
        boxes.reset();
    }

    void theFocusAtStartIsFramedOnTheSelectedConvention() {
        QWidget* choice = window->controls().widget(optCrestToToeSlopeAngle);
        QCOMPARE(focused(), choice);
        const QImage framed = choice->grab().toImage();
        // Without the mark of a keyboard user the style draws no frame.
        window->setAttribute(Qt::WA_KeyboardFocusChange, false);
        const QImage plain = choice->grab().toImage();
        QVERIFY(framed != plain);
    }

    void altAndALetterOpenTheMenuAndAbout() {
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        auto* file = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        for (const auto& [key, name] :
             {std::pair{Qt::Key_E, "mnuExport"}, std::pair{Qt::Key_N, "mnuAnalysis"}}) {
            QTest::keyClick(window.get(), key, Qt::AltModifier);
            auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name));
            QTRY_VERIFY2(menu->isVisible(), name);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        }

        QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(window->aboutWindow() != nullptr && window->aboutWindow()->isVisible());
        window->aboutWindow()->close();
        QTRY_VERIFY(window->aboutWindow() == nullptr);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(focused(), Qt::Key_F1);
        QTRY_VERIFY(window->aboutWindow() != nullptr && window->aboutWindow()->isVisible());
    }

    void ctrlOOpensCtrlSSavesCtrlQEnds() {
        FileDialogWatch open;
        QTest::keyClick(focused(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(open.title, QStringLiteral("Open"));

        FileDialogWatch save;
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(save.title, QStringLiteral("Save"));

        // From inside a field too.
        pressTab();
        QCOMPARE(focusedName(), QStringLiteral("txtSlopeHeight"));
        FileDialogWatch again;
        QTest::keyClick(focused(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(again.title, QStringLiteral("Save"));
        QCOMPARE(text(txtSlopeHeight), QString()); // no letter typed

        QCOMPARE(programEnds, 0);
        QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(programEnds, 1);
    }

    void afterAFileDialogTheWindowHasTheKeyboardAndItsReactionsRun() {
        pressTab();
        QCOMPARE(focusedName(), QStringLiteral("txtSlopeHeight"));
        FileDialogWatch cancelled;
        QTest::keyClick(focused(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(cancelled.title, QStringLiteral("Open"));
        QCOMPARE(QApplication::activeWindow(), window.get());
        QCOMPARE(focusedName(), QStringLiteral("txtSlopeHeight"));

        // The design of the README, typed: entering benches per stack
        // derives the bench count.
        type("100");
        pressTab();
        type("10");
        pressTab();
        QCOMPARE(text(txtNumberBenches), QStringLiteral("10"));
        type("5");
        for (const char* value : {"45", "60", "75"}) {
            pressTab();
            type(value);
        }
        pressTab();
        QCOMPARE(focusedName(), QStringLiteral("cmdCalcAndDraw"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(!window->controls().picture().strokes().empty());
    }

    void aFileChosenInTheOpenDialogOpensAndItsFolderIsKept() {
        const QString path = writeReadmeDesign();
        FileDialogWatch open([&](QFileDialog* dialog) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::keyClick(focused(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(text(txtComment), QStringLiteral("Data-file opened: '%1'").arg(path));
        QVERIFY(!window->controls().picture().strokes().empty());
        QCOMPARE(focusedName(), QStringLiteral("cmdCalcAndDraw"));
        // The next dialog starts where this file was.
        QCOMPARE(fileDialogStartFolder(), folder.path());
    }

    void theCommandLineIsReadAsAFileManagerWritesIt() {
        auto parsed = [](QStringList arguments) {
            arguments.prepend(QStringLiteral("pitwright"));
            return parseCommandLine(arguments);
        };
        CommandLine line = parsed({});
        QVERIFY(line.error.isEmpty() && !line.toeToToe && line.dataFile.isEmpty() && !line.help);
        line = parsed({QStringLiteral("pit 1.DAT")});
        QCOMPARE(line.dataFile, QStringLiteral("pit 1.DAT"));
        QVERIFY(!line.toeToToe);
        line = parsed({QStringLiteral("--toe-to-toe"), QStringLiteral("/data/pit.DAT")});
        QVERIFY(line.toeToToe);
        QCOMPARE(line.dataFile, QStringLiteral("/data/pit.DAT"));
        line = parsed({QStringLiteral("--"), QStringLiteral("-odd.DAT")});
        QCOMPARE(line.dataFile, QStringLiteral("-odd.DAT"));
        QVERIFY(parsed({QStringLiteral("--help")}).help);

        QVERIFY(!parsed({QStringLiteral("--crest")}).error.isEmpty());
        QVERIFY(!parsed({QStringLiteral("a.DAT"), QStringLiteral("b.DAT")}).error.isEmpty());
    }

    void aFileOnTheCommandLineOpensInTheFreshWindow() {
        writeReadmeDesign();
        // A relative name, as a file manager may give it.
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        followCommandLine(*window, opening(QStringLiteral("readme.DAT")));
        QDir::setCurrent(before);

        QVERIFY(isChecked(*window, optCrestToToeSlopeAngle));
        QCOMPARE(text(txtComment),
                 QStringLiteral("Data-file opened: '%1'").arg(folder.filePath("readme.DAT")));
        QCOMPARE(text(txtNumberBenches), QStringLiteral("10"));
        QCOMPARE(text(txtSlopeHorizontalExtent), QStringLiteral("100"));
        QVERIFY(!window->controls().picture().strokes().empty());
        QCOMPARE(focusedName(), QStringLiteral("cmdCalcAndDraw"));
        // Only the field with the focus shows a selection.
        QVERIFY(!window->controls().lineEdit(txtBenchesPerStack)->hasSelectedText());
        QVERIFY(boxes->seen.empty());
    }

    void theToeToToeOptionChoosesTheConventionBeforeOpening() {
        const QString path = writeReadmeDesign();
        followCommandLine(*window, opening(path, true));
        QVERIFY(isChecked(*window, optToeToToeSlopeAngle));
        QCOMPARE(window->controls().widget(lblSlopeHorizontalExtent)->property("text").toString(),
                 QStringLiteral("Inter-ramp horizontal (m):"));
        QCOMPARE(text(txtComment), QStringLiteral("Data-file opened: '%1'").arg(path));
        QCOMPARE(text(txtToeToToeSlopeAngle), QStringLiteral("35.1"));
        QVERIFY(!window->controls().picture().strokes().empty());
    }

    void aFileThatCannotBeReadIsNamedAndChangesNothing() {
        followCommandLine(*window, opening(folder.filePath(QStringLiteral("missing.DAT"))));
        QCOMPARE(boxes->seen.size(), std::size_t{1});
        QVERIFY(boxes->seen.front().text.contains(QStringLiteral("missing.DAT")));
        QCOMPARE(text(txtSlopeHeight), QString());
        QVERIFY(window->controls().picture().strokes().empty());
        // Nothing remembered from a file that is not there.
        QCOMPARE(fileDialogStartFolder(), QDir::homePath());
    }
};

QTEST_MAIN(KeyboardAndCommandLine)
#include "KeyboardAndCommandLine_test.moc"
