#pragma once

#include "files/DiskFileStore.h"
#include "ui/WindowPlatform.h"
#include "ui/qt/QtFileDialog.h"

class QWidget;

namespace pitwright {

class ControlWidgets;

// The screen and the system for the main window's reactions, with Qt.
class QtWindowPlatform : public WindowPlatform {
public:
    QtWindowPlatform(QWidget& window, const ControlWidgets& widgets);
    ~QtWindowPlatform() override;

    void messageBox(const std::string& text, const std::string& title) override;
    void setFocus(ControlId id) override;
    void setMousePointer(MousePointer pointer) override;
    void doEvents() override;
    PrintOutcome printWindow() override;
    Canvas& canvas() override;
    FileDialog& fileDialog() override { return comLocalDriveLoadSave; }
    FileDialog& exportDialog() override { return exportDialog_; }
    SheetBytes paintSectionSheet(const SectionSheetInput& input, SheetFormat format) override;
    FileStore& fileStore() override { return files_; }

    // How many message boxes have been shown so far; tells the event
    // binding whether a modal box came up in the middle of a mouse click.
    int messageBoxesShown() const { return messageBoxesShown_; }

private:
    QWidget& window_;
    const ControlWidgets& widgets_;
    QtFileDialog comLocalDriveLoadSave;
    QtFileDialog exportDialog_;
    DiskFileStore files_;
    int messageBoxesShown_ = 0;
    bool busyPointer_ = false;
};

} // namespace pitwright
