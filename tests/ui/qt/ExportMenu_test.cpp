// The Export menu of the real window, through the real file dialog: the
// drawn design's section and shell in every format, each a file its format's
// readers know.
#include "support/TestDesigns.h"
#include "ui/frmPitwrightMain.h"
#include "ui/qt/ControlWidgets.h"
#include "ui/qt/PitwrightMainWindow.h"
#include "ui/qt/WindowDriver.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace pitwright;
using namespace pitwright::testing;
using enum ControlId;

class ExportMenu : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PitwrightMainWindow> window;
    std::unique_ptr<MessageBoxAnswerer> boxes;
    QTemporaryDir folder;

    // Chooses the menu entry and answers its file dialog with the name in
    // its name box and Enter, as a user does.
    void exportAs(const char* entry, const QString& name) {
        FileDialogWatch answer([&](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setText(folder.filePath(name)); // pasted: no list of names to get in the way
            QTest::keyClick(edit, Qt::Key_Return);
        });
        window->findChild<QAction*>(QString::fromLatin1(entry))->trigger();
        QVERIFY2(!answer.title.isEmpty(), entry);
    }

    QByteArray startOf(const QString& name, int bytes) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
    }

private slots:
    void init() {
        window = std::make_unique<PitwrightMainWindow>();
        window->setEndProgram([] {});
        window->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        boxes = std::make_unique<MessageBoxAnswerer>();
        typeDesign(window->form(), kReadmeDesign);
        QTest::mouseClick(window->controls().widget(cmdCalcAndDraw), Qt::LeftButton);
        boxes->seen.clear();
    }

    void cleanup() {
        boxes.reset();
        window.reset();
    }

    void theSectionInEveryFormat() {
        exportAs("mnuExportSection", "wall.svg");
        QVERIFY(startOf("wall.svg", 200).contains("<svg"));
        exportAs("mnuExportSection", "wall.pdf");
        QCOMPARE(startOf("wall.pdf", 5), QByteArray("%PDF-"));
        exportAs("mnuExportSection", "wall.png");
        QCOMPARE(startOf("wall.png", 4), QByteArray("\x89PNG"));
        exportAs("mnuExportSection", "wall.dxf");
        QCOMPARE(startOf("wall.dxf", 12), QByteArray("  0\r\nSECTION"));
        QCOMPARE(boxes->seen.size(), std::size_t{4});
        QCOMPARE(boxes->seen.back().text,
                 "Section drawing saved: '" + folder.filePath("wall.dxf") + "'");
    }

    void theShellInEveryFormat() {
        exportAs("mnuExportShell", "shell.dxf");
        QCOMPARE(startOf("shell.dxf", 10), QByteArray("0\r\nSECTION"));
        exportAs("mnuExportShell", "shell.obj");
        QVERIFY(startOf("shell.obj", 1) == "#");
        exportAs("mnuExportShell", "shell.stl");
        QCOMPARE(QFileInfo(folder.filePath("shell.stl")).size() % 50, 84 % 50);
        QCOMPARE(boxes->seen.back().text, "3D shell saved: '" + folder.filePath("shell.stl") + "'");
    }
};

QTEST_MAIN(ExportMenu)
#include "ExportMenu_test.moc"
