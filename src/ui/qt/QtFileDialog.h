#pragma once

#include "files/FileDialog.h"

#include <QFileDialog>
#include <QPointer>

namespace pitwright {

// The window's one file dialog, on a QFileDialog of Qt's own (not the
// desktop's). Its settings are kept from one use to the next; the dialog on
// screen is made afresh for each use, starting in the folder of the last file
// chosen (or the settings' folder), and gives the window the activation and
// the focus back when it closes.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr);
    ~QtFileDialog() override;
    QtFileDialog(const QtFileDialog&) = delete;
    QtFileDialog& operator=(const QtFileDialog&) = delete;

    std::optional<std::string> showSave() override;
    std::optional<std::string> showOpen() override;

    // The dialog while it is shown, else nullptr.
    QFileDialog* comLocalDriveLoadSave() const { return comLocalDriveLoadSave_; }

private:
    std::optional<std::string> show(bool save);

    QWidget* parent_;
    QPointer<QFileDialog> comLocalDriveLoadSave_;
};

} // namespace pitwright
