#include "ui/qt/CommandLine.h"

#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/RememberedFolder.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QWidget>

namespace pitwright {
namespace {

const char* const kToeToToeOption = "toe-to-toe";

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption toeToToe(QString::fromLatin1(kToeToToeOption));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(toeToToe);
    parser.addOption(help);
    parser.addOption(version);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    result.help = parser.isSet(help);
    result.version = parser.isSet(version);
    result.toeToToe = parser.isSet(toeToToe);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.error = QStringLiteral("Only one data file can be opened at a time.");
    } else if (files.size() == 1) {
        result.dataFile = files.first();
    }
    return result;
}

QString commandLineUsage() {
    return QStringLiteral(
        "Usage: pitwright [--toe-to-toe] [FILE.DAT]\n"
        "Opens the window; with a data file, opens it as \"Open saved data\" does.\n"
        "  --toe-to-toe  read the inter-ramp angle toe-to-toe (crest-to-toe without it)\n"
        "  -h, --help    show this text\n"
        "  -v, --version show the version\n");
}

void followCommandLine(PitwrightMainWindow& window, const CommandLine& commandLine) {
    frmPitwrightMain& form = window.form();
    if (commandLine.toeToToe) {
        form.clicked(ControlId::optToeToToeSlopeAngle);
        // Where a click on it would leave the focus.
        if (QWidget* option = window.controls().widget(ControlId::optToeToToeSlopeAngle)) {
            option->setFocus(Qt::OtherFocusReason);
        }
    }
    if (commandLine.dataFile.isEmpty()) {
        return;
    }
    // The full path, as the Open dialog gives it, for the comment line.
    const QString path = QFileInfo(commandLine.dataFile).absoluteFilePath();
    if (QFileInfo(path).isFile()) {
        rememberFolderOf(path);
    }
    form.openDataFile(path.toStdString());
}

} // namespace pitwright
