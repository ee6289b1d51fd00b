#pragma once

#include "FileDialog.h"

namespace pitwright {

// comLocalDriveLoadSave: the window's file dialog, on QFileDialog.
class QtFileDialog : public FileDialog {
public:
    std::optional<std::string> showSave() override;
    std::optional<std::string> showOpen() override;
};

} // namespace pitwright
