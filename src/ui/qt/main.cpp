// Pitwright: starts on the main window and ends when it closes. A data file
// named on the command line opens in the fresh window.
#include "ui/qt/AppIcon.h"
#include "ui/qt/CommandLine.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/RememberedFolder.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(pitwright::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(pitwright::kSettingsApplication));
    QApplication::setWindowIcon(pitwright::pitwrightIcon());

    const pitwright::CommandLine commandLine =
        pitwright::parseCommandLine(QApplication::arguments());
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "pitwright: %s\n%s", qPrintable(commandLine.error),
                     qPrintable(pitwright::commandLineUsage()));
        return 2;
    }
    if (commandLine.help) {
        std::fputs(qPrintable(pitwright::commandLineUsage()), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::puts("pitwright " PITWRIGHT_VERSION);
        return 0;
    }

    pitwright::PitwrightMainWindow window;
    window.showCentred();
    // Once the window is on screen, so that any message of the opening
    // stands in front of it.
    QTimer::singleShot(
        0, &window, [&window, commandLine] { pitwright::followCommandLine(window, commandLine); });
    return QApplication::exec();
}
