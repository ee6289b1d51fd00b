#pragma once

#include "files/FileDialog.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pitwright::testing {

// A file dialog that answers from a queue (nothing queued: Cancel) and keeps
// the settings it was shown with.
class FakeFileDialog : public FileDialog {
public:
    struct Showing {
        bool save = false;
        FileDialogSettings settings;
    };

    std::optional<std::string> showSave() override { return show(true); }
    std::optional<std::string> showOpen() override { return show(false); }

    // Queues a chosen path; std::nullopt for Cancel.
    void answer(std::optional<std::string> path) { answers.push_back(std::move(path)); }

    std::deque<std::optional<std::string>> answers;
    std::vector<Showing> shown;

private:
    std::optional<std::string> show(bool save) {
        shown.push_back({save, settings});
        if (answers.empty()) {
            return std::nullopt;
        }
        auto path = answers.front();
        answers.pop_front();
        return path;
    }
};

} // namespace pitwright::testing
