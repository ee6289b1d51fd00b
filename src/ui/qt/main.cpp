// Pitwright: starts on the main window and ends when it closes.
#include "ui/qt/AppIcon.h"
#include "ui/qt/PitwrightMainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pitwright"));
    QApplication::setWindowIcon(pitwright::pitwrightIcon());

    pitwright::PitwrightMainWindow window;
    window.showCentred();
    return QApplication::exec();
}
