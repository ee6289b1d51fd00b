#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pitwright {

// The initial folder that stands for the user's home folder.
inline constexpr std::string_view kHomeFolder = "";

// What the window's one file dialog is set to; the settings stay as they are
// between uses, so whatever the last save set is still in force for an open.
struct FileDialogSettings {
    std::string dialogTitle;
    // Description and pattern pairs separated by vertical bars:
    // "Data-files(*.DAT)|*.DAT|All file types (*.*)|*.*".
    std::string filter;
    std::string defaultExt; // without the dot; empty for none
    std::string initDir;    // kHomeFolder for the user's home folder
    bool overwritePrompt = false;
    bool cancelError = false;
    // The entry of the type list shown first, counted from 1; after the
    // dialog, the one the user chose.
    int filterIndex = 1;
};

class FileDialog {
public:
    virtual ~FileDialog() = default;

    // The chosen full path (possibly empty), or nothing when cancelled.
    virtual std::optional<std::string> showSave() = 0;
    virtual std::optional<std::string> showOpen() = 0;

    FileDialogSettings settings;
};

} // namespace pitwright
