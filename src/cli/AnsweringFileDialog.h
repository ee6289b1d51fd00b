#pragma once

#include "files/FileDialog.h"

#include <optional>
#include <string>

namespace pitwright::cli {

// The window's file dialog on the command line: it answers with the path the
// command was given, exactly as given (no extension added), and keeps the
// settings the window showed it with. Without an answer it is cancelled.
class AnsweringFileDialog : public FileDialog {
public:
    void answerWith(std::string path) { answer_ = std::move(path); }

    std::optional<std::string> showSave() override { return show(); }
    std::optional<std::string> showOpen() override { return show(); }

    int timesShown() const { return timesShown_; }
    // The settings of the last showing.
    const FileDialogSettings& lastShown() const { return lastShown_; }

private:
    std::optional<std::string> show() {
        ++timesShown_;
        lastShown_ = settings;
        return answer_;
    }

    std::optional<std::string> answer_;
    int timesShown_ = 0;
    FileDialogSettings lastShown_;
};

} // namespace pitwright::cli
