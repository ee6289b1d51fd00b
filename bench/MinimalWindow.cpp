// The least a Qt Widgets program does to show a window: the baseline for
// the program's own cold start (bench/startup-time.sh).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A window"), &window));
    window.show();
    return QApplication::exec();
}
