// The window's file dialog, driven through its widgets as a user would.
#include "files/FileKinds.h"
#include "ui/qt/QtFileDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace pitwright;

namespace {

// Runs `act` on the next modal widget of type W once it is on screen.
template <class W> void whenShown(std::function<void(W*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* widget = qobject_cast<W*>(QApplication::activeModalWidget());
        if (widget != nullptr && widget->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        }
    });
    timer->start();
}

void typeName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit != nullptr);
    edit->clear();
    QTest::keyClicks(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList filterTexts(QFileDialog* dialog) {
    QStringList texts;
    auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; combo != nullptr && i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}

} // namespace

class QtFileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        dialog_ = std::make_unique<QtFileDialog>();
    }
    void cleanup() { dialog_.reset(); }

    void aTypedNameWithoutExtensionGetsTheDefaultOne() {
        prepareSaveDialog(dialog_->settings, kSlopeDataFileKind);
        dialog_->settings.initDir = folder_.path().toStdString();
        QString title;
        QStringList filters;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = filterTexts(dialog);
            typeName(dialog, QStringLiteral("design"));
        });
        const auto path = dialog_->showSave();
        QVERIFY(path.has_value());
        QCOMPARE(QString::fromStdString(*path), folder_.filePath(QStringLiteral("design.DAT")));
        QCOMPARE(title, QStringLiteral("Save"));
        QCOMPARE(filters, (QStringList{QStringLiteral("Data-files(*.DAT)"),
                                       QStringLiteral("All file types (*.*)")}));
    }

    void aNameWithAnExtensionKeepsIt() {
        prepareSaveDialog(dialog_->settings, k3DFileKind);
        dialog_->settings.initDir = folder_.path().toStdString();
        whenShown<QFileDialog>(
            [](QFileDialog* dialog) { typeName(dialog, QStringLiteral("wall.txt")); });
        QCOMPARE(QString::fromStdString(dialog_->showSave().value_or("")),
                 folder_.filePath(QStringLiteral("wall.txt")));
    }

    void replacingAFileIsConfirmedFirst() {
        QFile existing(folder_.filePath(QStringLiteral("wall.ASC")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        prepareSaveDialog(dialog_->settings, k3DFileKind);
        dialog_->settings.initDir = folder_.path().toStdString();

        // Declining the question keeps the dialog open; the user then cancels.
        QString question;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            whenShown<QMessageBox>([&, dialog](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
                whenShown<QFileDialog>([](QFileDialog* again) { again->reject(); });
            });
            typeName(dialog, QStringLiteral("wall"));
        });
        QVERIFY(!dialog_->showSave().has_value());
        QVERIFY2(question.contains(QStringLiteral("wall.ASC")), qPrintable(question));

        // Confirming it gives the path.
        whenShown<QFileDialog>([](QFileDialog* dialog) {
            whenShown<QMessageBox>(
                [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            typeName(dialog, QStringLiteral("wall"));
        });
        QCOMPARE(QString::fromStdString(dialog_->showSave().value_or("")),
                 folder_.filePath(QStringLiteral("wall.ASC")));
    }

    void cancelGivesNothing() {
        prepareSaveDialog(dialog_->settings, kSlopeDataFileKind);
        whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(!dialog_->showSave().has_value());
    }

    void itStartsInTheHomeFolderAndOpenKeepsTheLastSavesExtension() {
        prepareSaveDialog(dialog_->settings, k3DFileKind);
        whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        dialog_->showSave();

        prepareOpenDialog(dialog_->settings);
        QString title, suffix, directory;
        QStringList filters;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            suffix = dialog->defaultSuffix();
            directory = dialog->directory().absolutePath();
            filters = filterTexts(dialog);
            dialog->reject();
        });
        QVERIFY(!dialog_->showOpen().has_value());
        QCOMPARE(title, QStringLiteral("Open"));
        QCOMPARE(suffix, QStringLiteral("ASC"));
        QCOMPARE(directory, QDir::homePath());
        QCOMPARE(filters.value(0), QStringLiteral("Data-files(*.DAT)"));
        QCOMPARE(dialog_->comLocalDriveLoadSave()->objectName(),
                 QStringLiteral("comLocalDriveLoadSave"));
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<QtFileDialog> dialog_;
};

QTEST_MAIN(QtFileDialogTest)
#include "QtFileDialog_test.moc"
