#include "ui/qt/QtFileDialog.h"

#include "files/FileFilter.h"
#include "ui/qt/RememberedFolder.h"
#include "ui/qt/ReturnToWindow.h"

#include <QApplication>
#include <QFileDialog>

namespace pitwright {
namespace {

// "*.*" matches every file on the systems these filters come from; here a
// name need not have a dot.
QString qtPattern(const std::string& pattern) {
    return pattern == "*.*" ? QStringLiteral("*") : QString::fromStdString(pattern);
}

// Each entry as "description (patterns)"; the dialog hides the added
// pattern part, so the list shows the descriptions exactly.
QStringList qtNameFilters(const std::string& filter) {
    QStringList filters;
    for (const FileFilter& entry : parseFileFilters(filter)) {
        QStringList patterns;
        for (const std::string& pattern : entry.patterns) {
            patterns << qtPattern(pattern);
        }
        if (patterns.isEmpty()) {
            patterns << QStringLiteral("*");
        }
        filters << QString::fromStdString(entry.description) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

} // namespace

QtFileDialog::QtFileDialog(QWidget* parent) : parent_(parent) {}

QtFileDialog::~QtFileDialog() = default;

std::optional<std::string> QtFileDialog::showSave() {
    return show(true);
}
std::optional<std::string> QtFileDialog::showOpen() {
    return show(false);
}

std::optional<std::string> QtFileDialog::show(bool save) {
    const QPointer<QWidget> hadFocus = QApplication::focusWidget();
    bool accepted = false;
    QString chosen;
    {
        // A dialog of its own for every use: nothing left in the last one (a
        // folder in the name box, a list of name completions still filling)
        // comes back with it or outlives it.
        QFileDialog dialog(parent_);
        comLocalDriveLoadSave_ = &dialog;
        dialog.setObjectName(QStringLiteral("comLocalDriveLoadSave"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // The Open dialog does not insist on an existing file either; reading
        // tells the user when there is none.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setWindowTitle(QString::fromStdString(settings.dialogTitle));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.overwritePrompt);
        const QStringList filters = qtNameFilters(settings.filter);
        dialog.setNameFilters(filters);
        if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size()) {
            dialog.selectNameFilter(filters[settings.filterIndex - 1]);
        }
        dialog.setDefaultSuffix(QString::fromStdString(settings.defaultExt));
        dialog.setDirectory(settings.initDir.empty() ? fileDialogStartFolder()
                                                     : QString::fromStdString(settings.initDir));

        accepted = dialog.exec() == QDialog::Accepted;
        if (accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = dialog.selectedFiles().first();
        }
        if (accepted) {
            settings.filterIndex =
                static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
        }
    }
    if (parent_ != nullptr) {
        returnToWindow(*parent_->window(), hadFocus);
    }
    if (!accepted) {
        return std::nullopt;
    }
    rememberFolderOf(chosen);
    return chosen.toStdString();
}

} // namespace pitwright
