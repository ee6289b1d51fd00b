// pitwright-cli: the main window's values, files and sweeps without a display.
#include "cli/CommandLine.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv, argv + argc);
    // No command here draws on a screen. A section drawn as PNG, PDF or SVG
    // will need a QGuiApplication on the offscreen platform instead, made
    // here when such a section is asked for.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pitwright-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PITWRIGHT_VERSION));

    pitwright::cli::CommandLineSetting setting;
    setting.errIsTerminal = ::isatty(STDERR_FILENO) == 1;
    setting.cores = std::max(1u, std::thread::hardware_concurrency());
    return pitwright::cli::runCommandLine(arguments, std::cout, std::cerr, setting);
}
