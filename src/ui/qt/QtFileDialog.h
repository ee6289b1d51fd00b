#pragma once

#include "files/FileDialog.h"

#include <QFileDialog>
#include <QPointer>

namespace pitwright {

// The window's one file dialog, on a QFileDialog of Qt's own (not the
// desktop's), kept from one use to the next.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr);
    ~QtFileDialog() override;
    QtFileDialog(const QtFileDialog&) = delete;
    QtFileDialog& operator=(const QtFileDialog&) = delete;

    std::optional<std::string> showSave() override;
    std::optional<std::string> showOpen() override;

    // The dialog, once it has been shown.
    QFileDialog* comLocalDriveLoadSave() const { return comLocalDriveLoadSave_; }

private:
    std::optional<std::string> show(bool save);

    QWidget* parent_;
    QPointer<QFileDialog> comLocalDriveLoadSave_;
};

} // namespace pitwright
