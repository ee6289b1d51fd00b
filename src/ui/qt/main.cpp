// Pitwright: starts on the main window and ends when it closes. A data file
// named on the command line opens in the fresh window.
#include "ui/qt/AppIcon.h"
#include "ui/qt/CommandLine.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/RememberedFolder.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

// Help, the version and usage errors: what the program answers without a
// window. Gives the exit status, or nothing where the window is to start.
std::optional<int> answerWithoutWindow(const pitwright::CommandLine& commandLine) {
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
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and the version are answered before the toolkit starts, so that
    // they need no display. Where the toolkit's own options stand among the
    // arguments, they are answered once it has taken those out.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (const pitwright::CommandLine early = pitwright::parseCommandLine(arguments);
        early.error.isEmpty() && (early.help || early.version)) {
        return *answerWithoutWindow(early);
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(pitwright::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(pitwright::kSettingsApplication));
    QApplication::setWindowIcon(pitwright::pitwrightIcon());

    const pitwright::CommandLine commandLine =
        pitwright::parseCommandLine(QApplication::arguments());
    if (const std::optional<int> answered = answerWithoutWindow(commandLine)) {
        return *answered;
    }

    pitwright::PitwrightMainWindow window;
    window.showCentred();
    // Once the window is on screen, so that any message of the opening
    // stands in front of it.
    QTimer::singleShot(
        0, &window, [&window, commandLine] { pitwright::followCommandLine(window, commandLine); });
    return QApplication::exec();
}
