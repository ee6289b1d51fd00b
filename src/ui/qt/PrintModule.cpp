#include "ui/qt/PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

namespace pitwright {
namespace {

// Installed, the module lives in the program's own folder under the
// library folder; in the build, in the build's module folder.
QStringList moduleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir(programFolder).filePath(QStringLiteral(PITWRIGHT_MODULE_DIR_FROM_BIN)),
            programFolder, QStringLiteral(PITWRIGHT_MODULE_BUILD_DIR)};
}

} // namespace

const PrintModule* PrintModule::load(QString* why) {
    static PrintModule module;
    static QString failure;
    static bool loaded = false;
    static bool tried = false;
    if (!tried) {
        tried = true;
        QString lastError;
        for (const QString& folder : moduleFolders()) {
            QLibrary library(QDir(folder).filePath(QStringLiteral("pitwright_cups")));
            if (!library.load()) {
                lastError = library.errorString();
                continue;
            }
            module.findDefaultPrinter = reinterpret_cast<PitwrightCupsFindDefaultPrinter>(
                library.resolve("pitwright_cups_find_default_printer"));
            module.printPdf = reinterpret_cast<PitwrightCupsPrintPdf>(
                library.resolve("pitwright_cups_print_pdf"));
            if (module.findDefaultPrinter != nullptr && module.printPdf != nullptr) {
                break;
            }
            lastError = library.errorString();
        }
        loaded = module.findDefaultPrinter != nullptr && module.printPdf != nullptr;
        failure = lastError;
    }
    if (!loaded) {
        *why = failure;
        return nullptr;
    }
    return &module;
}

} // namespace pitwright
