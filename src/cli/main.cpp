// pitwright-cli: the main window's values, files and sweeps without a display.
#include "cli/CommandLine.h"
#include "cli/ExportCommand.h"
#include "cli/HeadlessPlatform.h"
#include "ui/qt/SectionSheetExport.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// A section drawn as SVG, PDF or PNG is painted with Qt's painters, which
// need a QGuiApplication (on the offscreen platform: no display is used).
// Everything else runs on a QCoreApplication.
bool paintsASection(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string path;
        if (arguments[i] == "--section" && i + 1 < arguments.size()) {
            path = arguments[i + 1];
        } else if (arguments[i].starts_with("--section=")) {
            path = arguments[i].substr(10);
        }
        const auto format = pitwright::sectionFormatOf(path);
        if (format && *format != pitwright::SheetFormat::Dxf) {
            return true;
        }
    }
    return false;
}

// Qt's own notes (a missing runtime folder and the like) are not the
// program's messages: stderr carries only what the user must read.
void keepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << text.toStdString() << '\n';
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(keepQtNotesQuiet);
    const std::vector<std::string> arguments(argv, argv + argc);
    std::unique_ptr<QCoreApplication> application;
    if (paintsASection(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application = std::make_unique<QGuiApplication>(argc, argv);
        pitwright::cli::HeadlessPlatform::setSheetPainter(&pitwright::renderSectionSheet);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("pitwright-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PITWRIGHT_VERSION));

    pitwright::cli::CommandLineSetting setting;
    setting.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    setting.cores = std::max(1u, std::thread::hardware_concurrency());
    return pitwright::cli::runCommandLine(arguments, std::cout, std::cerr, setting);
}
