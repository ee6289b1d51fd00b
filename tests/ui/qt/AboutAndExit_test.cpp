// The About window, the disclaimer window, and leaving the program.
#include "ui/qt/WindowDriver.h"
#include "ui/qt/frmSlopeAbout.h"
#include "ui/qt/frmSlopeSplash.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

namespace {

int openAboutWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == "frmSlopeAbout" && window->isVisible() ? 1 : 0;
    }
    return count;
}

QAction* menuAction(QMainWindow& window, const char* name) {
    return window.findChild<QAction*>(QString::fromUtf8(name));
}

QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(QString::fromUtf8(name));
    return label ? label->text() : QString("<missing %1>").arg(name);
}

} // namespace

class AboutAndExit : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;
    int programEnds = 0;

private slots:
    void init() {
        programEnds = 0;
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([this] { ++programEnds; });
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void aboutShowsOneWindowThatLeavesTheMainWindowUsable() {
        menuAction(*window, "mnuAbout")->trigger();
        menuAction(*window, "mnuAbout")->trigger();
        QCOMPARE(openAboutWindows(), 1);
        frmSlopeAbout* about = window->aboutWindow();
        QVERIFY(about != nullptr);
        QCOMPARE(about->windowModality(), Qt::NonModal);
        QCOMPARE(about->windowTitle(), QString("About"));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(about->findChildren<QPushButton*>().isEmpty());

        QCOMPARE(labelText(*about, "Label2"), QString("Quarrix Pitwright"));
        QCOMPARE(labelText(*about, "lblVersion"), QString("Version 1.7.1"));
        QCOMPARE(labelText(*about, "lblOverall"), QString("Crest-to-toe slope angle"));
        QCOMPARE(labelText(*about, "lblInterramp"), QString("Toe-to-toe slope angle"));
        QVERIFY(labelText(*about, "Label1").startsWith("Different conventions exist"));
        QVERIFY(
            labelText(*about, "Label1").endsWith("The default is \"Crest-to-toe slope angle\"."));
        // Crest-to-toe drawn on the left, toe-to-toe on the right.
        QVERIFY(about->findChild<QWidget*>("Image2")->x() <
                about->findChild<QWidget*>("Image1")->x());

        // The main window stays usable, and closing About leaves it as it was.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(focused(), Qt::Key_Tab);
        type("100");
        about->close();
        QTRY_COMPARE(openAboutWindows(), 0);
        QCOMPARE(textOf(*window, txtSlopeHeight), QString("100"));
        QVERIFY(window->isVisible());
        QCOMPARE(programEnds, 0);
    }

    void exitClosesAboutAndEndsTheProgramWithoutAQuestion() {
        menuAction(*window, "mnuAbout")->trigger();
        type("1");
        menuAction(*window, "mnuExit")->trigger();
        QCOMPARE(openAboutWindows(), 0);
        QVERIFY(!window->isVisible());
        QCOMPARE(programEnds, 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void closingTheMainWindowDoesWhatExitDoes() {
        menuAction(*window, "mnuAbout")->trigger();
        QVERIFY(window->close());
        QCOMPARE(openAboutWindows(), 0);
        QCOMPARE(programEnds, 1);
    }

    void exitEndsTheEventLoop() {
        window->setEndProgram([] { QCoreApplication::quit(); });
        QTimer::singleShot(0, window.get(), [this] { menuAction(*window, "mnuExit")->trigger(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void theDisclaimerWindowOffersAcceptAndDecline() {
        int shown = 0;
        int ended = 0;
        auto splash =
            std::make_unique<frmSlopeSplash>([&shown] { ++shown; }, [&ended] { ++ended; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowActive(splash.get()));
        QCOMPARE(focusedName(), QString("cmdDecline"));
        QVERIFY(splash->windowTitle().isEmpty());
        QCOMPARE(splash->findChild<QPushButton*>("cmdAccept")->text(),
                 QString("I accept the above agreement"));

        QTest::mouseClick(splash->findChild<QPushButton*>("cmdAccept"), Qt::LeftButton);
        QCOMPARE(shown, 1);
        QVERIFY(!splash->isVisible());

        splash->show();
        QTest::mouseClick(splash->findChild<QGroupBox*>("Frame1"), Qt::LeftButton);
        QVERIFY(!splash->isVisible());
        QCOMPARE(shown, 1);
        QCOMPARE(ended, 0);

        splash->show();
        QVERIFY(QTest::qWaitForWindowActive(splash.get()));
        QCOMPARE(focusedName(), QString("cmdDecline")); // on every opening
        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(ended, 1);
        QVERIFY(!splash->isVisible());
    }
};

QTEST_MAIN(AboutAndExit)
#include "AboutAndExit_test.moc"
