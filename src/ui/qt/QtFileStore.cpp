#include "ui/qt/QtFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pitwright {
namespace {

QString qPath(const std::string& path) {
    return QString::fromStdString(path);
}

// Qt's own wording, as the tail of a sentence.
std::string tailOf(const QFileDevice& file) {
    std::string text = file.errorString().toStdString();
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    while (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text.empty() ? "the system gave no reason" : text;
}

std::string whyNotWritable(const QFileInfo& target, const QFileDevice& file) {
    const QFileInfo folder(target.absolutePath());
    if (!folder.isWritable()) {
        return "you may not write in its folder";
    }
    if (target.exists() && !target.isWritable()) {
        return "the file is read-only";
    }
    return "the system would not make a new file in its folder (" + tailOf(file) + ")";
}

} // namespace

FileWriteResult QtFileStore::writeWhole(const std::string& path, std::string_view bytes) {
    const QFileInfo target(qPath(path));
    if (target.isDir()) {
        return {false, "a folder of that name is in the way"};
    }
    if (!QFileInfo(target.absolutePath()).isDir()) {
        return {false, "its folder does not exist"};
    }
    // Written beside the target and renamed over it on commit: a failure
    // anywhere leaves the old file exactly as it was.
    QSaveFile file(target.absoluteFilePath());
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, whyNotWritable(target, file)};
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string reason =
            "writing failed, perhaps the disk is full (" + tailOf(file) + ")";
        file.cancelWriting(); // the temporary file goes, the old one stays
        return {false, reason};
    }
    if (!file.commit()) {
        return {false, "the finished file could not replace the old one (" + tailOf(file) + ")"};
    }
    return {true, {}};
}

FileReadResult QtFileStore::readStart(const std::string& path, std::size_t maxBytes) {
    const QFileInfo info(qPath(path));
    if (!info.exists()) {
        return {false, {}, false, "there is no such file"};
    }
    if (info.isDir()) {
        return {false, {}, false, "it is a folder"};
    }
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {false, {}, false, info.isReadable() ? tailOf(file) : "you may not read it"};
    }
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) {
        return {false, {}, false, tailOf(file)};
    }
    const bool cutShort = !file.atEnd();
    return {true, bytes.toStdString(), cutShort, {}};
}

} // namespace pitwright
