#include "ui/qt/RememberedFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace pitwright {
namespace {

const char* const kLastFolderKey = "files/lastFolder";

} // namespace

QString fileDialogStartFolder() {
    const QSettings settings(QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation),
                             QString::fromLatin1(kSettingsApplication));
    const QString folder = settings.value(QString::fromLatin1(kLastFolderKey)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return folder;
    }
    return QDir::homePath();
}

void rememberFolderOf(const QString& filePath) {
    if (filePath.isEmpty()) {
        return;
    }
    QSettings settings(QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    settings.setValue(QString::fromLatin1(kLastFolderKey), QFileInfo(filePath).absolutePath());
}

} // namespace pitwright
