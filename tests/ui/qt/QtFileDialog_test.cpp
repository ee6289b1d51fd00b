// The window's file dialog, driven through its widgets as a user would.
#include "files/FileKinds.h"
#include "ui/qt/QtFileDialog.h"
#include "ui/qt/RememberedFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
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

QLineEdit* nameBox(QFileDialog* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QAbstractButton* acceptButton(QFileDialog* dialog) {
    auto* box = dialog->findChild<QDialogButtonBox*>();
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            return button;
        }
    }
    return nullptr;
}

// The caption of the dialog's accepting button, without its "&".
QString acceptText(QFileDialog* dialog) {
    return acceptButton(dialog)->text().remove(QLatin1Char('&'));
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
    void initTestCase() {
        // Never the user's own configuration.
        QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    }

    void init() {
        QVERIFY(folder_.isValid());
        // As on the first run: no folder remembered yet.
        QSettings(QSettings::UserScope, kSettingsOrganisation, kSettingsApplication).clear();
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
        QString title, suffix, directory, name;
        QStringList filters;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            suffix = dialog->defaultSuffix();
            directory = dialog->directory().absolutePath();
            filters = filterTexts(dialog);
            name = dialog_->comLocalDriveLoadSave()->objectName();
            dialog->reject();
        });
        QVERIFY(!dialog_->showOpen().has_value());
        QCOMPARE(title, QStringLiteral("Open"));
        QCOMPARE(suffix, QStringLiteral("ASC"));
        QCOMPARE(directory, QDir::homePath());
        QCOMPARE(filters.value(0), QStringLiteral("Data-files(*.DAT)"));
        QCOMPARE(name, QStringLiteral("comLocalDriveLoadSave"));
        QVERIFY(dialog_->comLocalDriveLoadSave() == nullptr); // gone once closed
    }

    void eachSaveDialogOpensWithAnEmptyNameAndReadsSave() {
        prepareSaveDialog(dialog_->settings, kSlopeDataFileKind);
        dialog_->settings.initDir = folder_.path().toStdString();
        // A folder left in the name box turns the button into "Open".
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("designs")));
        QString before;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            QTest::keyClicks(nameBox(dialog), folder_.filePath(QStringLiteral("designs")));
            // A wait at most: what the button reads is checked below.
            static_cast<void>(
                QTest::qWaitFor([&] { return acceptText(dialog) == QStringLiteral("Open"); }));
            before = acceptText(dialog);
            dialog->reject();
        });
        QVERIFY(!dialog_->showSave().has_value());
        QCOMPARE(before, QStringLiteral("Open"));

        QString name, button;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            name = nameBox(dialog)->text();
            button = acceptText(dialog);
            dialog->reject();
        });
        QVERIFY(!dialog_->showSave().has_value());
        QCOMPARE(name, QString());
        QCOMPARE(button, QStringLiteral("Save"));
    }

    void theNextDialogStartsInTheFolderOfTheLastChosenFileAlsoInTheNextRun() {
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("designs")));
        const QString designs = folder_.filePath(QStringLiteral("designs"));
        prepareSaveDialog(dialog_->settings, kSlopeDataFileKind);
        dialog_->settings.initDir = designs.toStdString();
        whenShown<QFileDialog>(
            [](QFileDialog* dialog) { typeName(dialog, QStringLiteral("pit")); });
        QCOMPARE(QString::fromStdString(dialog_->showSave().value_or("")),
                 designs + QStringLiteral("/pit.DAT"));

        // A dialog of the next run, with the same configuration folder.
        dialog_ = std::make_unique<QtFileDialog>();
        prepareOpenDialog(dialog_->settings);
        QCOMPARE(openDialogFolder(), designs);
        const QString kept =
            QSettings(QSettings::UserScope, kSettingsOrganisation, kSettingsApplication).fileName();
        QVERIFY2(kept.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/')),
                 qPrintable(kept));

        // Cancelling remembers nothing; a folder that has gone is not offered.
        QVERIFY(QDir(designs).removeRecursively());
        QCOMPARE(openDialogFolder(), QDir::homePath());
    }

    void noListOfNamesOutlivesTheDialog() {
        QFile file(folder_.filePath(QStringLiteral("design.DAT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        prepareOpenDialog(dialog_->settings);
        dialog_->settings.initDir = folder_.path().toStdString();
        QPointer<QAbstractItemView> list;
        bool listSeen = false;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            QLineEdit* edit = nameBox(dialog);
            QTest::keyClicks(edit, QStringLiteral("des"));
            // The list shows once the folder has been read.
            static_cast<void>(
                QTest::qWaitFor([edit] { return edit->completer()->popup()->isVisible(); }));
            listSeen = edit->completer()->popup()->isVisible();
            list = edit->completer()->popup();
            QTest::keyClicks(edit, QStringLiteral("ign.DAT"));
            acceptButton(dialog)->click();
        });
        QCOMPARE(QString::fromStdString(dialog_->showOpen().value_or("")),
                 folder_.filePath(QStringLiteral("design.DAT")));
        QVERIFY2(listSeen, "no list of names showed");
        // The list goes with its dialog: it cannot come up again when the
        // dialog's reading of a folder ends after the dialog has closed.
        QVERIFY(list.isNull());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

private:
    // Where an Open dialog starts, cancelled at once.
    QString openDialogFolder() {
        QString directory;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            directory = dialog->directory().absolutePath();
            dialog->reject();
        });
        dialog_->showOpen();
        return directory;
    }

    QTemporaryDir folder_;
    std::unique_ptr<QtFileDialog> dialog_;
};

QTEST_MAIN(QtFileDialogTest)
#include "QtFileDialog_test.moc"
