// Files on disk: written whole or not at all, and every failure explained.
#include "ui/qt/QtFileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace pitwright;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class QtFileStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(folder_.isValid()); }

    void writesWholeAndReadsBack() {
        const QString path = folder_.filePath(QStringLiteral("d.DAT"));
        writeFile(path, "old content that is longer");
        const std::string bytes("1\r\n\xE9\0x\r\n", 8);
        const auto written = store_.writeWhole(path.toStdString(), bytes);
        QVERIFY2(written.ok, written.reason.c_str());
        QCOMPARE(contentOf(path), QByteArray(bytes.data(), 8));

        const auto read = store_.readStart(path.toStdString(), 1000);
        QVERIFY(read.ok);
        QCOMPARE(read.bytes, bytes);
        QVERIFY(!read.cutShort);
        const auto start = store_.readStart(path.toStdString(), 3);
        QCOMPARE(start.bytes, std::string("1\r\n"));
        QVERIFY(start.cutShort);
        // Only the file itself is left: no temporary beside it.
        QCOMPARE(QDir(folder_.path()).entryList(QDir::Files).size(), 1);
    }

    void aFolderInTheWayKeepsItAndSaysSo() {
        const QString path = folder_.filePath(QStringLiteral("taken.DAT"));
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("taken.DAT")));
        writeFile(path + QStringLiteral("/inside"), "kept");
        const auto written = store_.writeWhole(path.toStdString(), "new");
        QVERIFY(!written.ok);
        QCOMPARE(written.reason, std::string("a folder of that name is in the way"));
        QCOMPARE(contentOf(path + QStringLiteral("/inside")), QByteArray("kept"));
    }

    void aMissingFolderIsNamedAsTheReason() {
        const QString path = folder_.filePath(QStringLiteral("no/such/d.DAT"));
        const auto written = store_.writeWhole(path.toStdString(), "x");
        QVERIFY(!written.ok);
        QCOMPARE(written.reason, std::string("its folder does not exist"));
    }

    void aReadOnlyFolderKeepsTheOldFile() {
        if (geteuid() == 0) {
            QSKIP("the superuser may write in any folder");
        }
        const QString sub = folder_.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("locked")));
        const QString path = sub + QStringLiteral("/d.DAT");
        writeFile(path, "old");
        QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const auto written = store_.writeWhole(path.toStdString(), "new");
        QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
        QVERIFY(!written.ok);
        QCOMPARE(written.reason, std::string("you may not write in its folder"));
        QCOMPARE(contentOf(path), QByteArray("old"));
    }

    void aFolderNoOneMayWriteInFailsEvenForTheSuperuser() {
        const auto written = store_.writeWhole("/proc/pitwright-save-test.DAT", "x");
        QVERIFY(!written.ok);
        QVERIFY2(written.reason.find("would not make a new file") != std::string::npos,
                 written.reason.c_str());
        QVERIFY(!QFile::exists(QStringLiteral("/proc/pitwright-save-test.DAT")));
    }

    void readingWhatIsNotAFile() {
        const auto missing =
            store_.readStart(folder_.filePath(QStringLiteral("none")).toStdString(), 10);
        QVERIFY(!missing.ok);
        QCOMPARE(missing.reason, std::string("there is no such file"));
        const auto folder = store_.readStart(folder_.path().toStdString(), 10);
        QVERIFY(!folder.ok);
        QCOMPARE(folder.reason, std::string("it is a folder"));
    }

private:
    QTemporaryDir folder_;
    QtFileStore store_;
};

QTEST_MAIN(QtFileStoreTest)
#include "QtFileStore_test.moc"
