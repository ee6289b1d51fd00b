#pragma once

#include "cli/AnsweringFileDialog.h"
#include "cli/HeadlessCanvas.h"
#include "cli/RecordingFileStore.h"
#include "ui/WindowPlatform.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace pitwright::cli {

// The window's platform without a screen: every message box is answered
// with OK, kept, and written to the report stream (when one is set) as it
// comes; focus, pointer and pending events mean nothing here; nothing is
// printed. Files go to the store the command chose, and every write's
// outcome is kept.
class HeadlessPlatform : public WindowPlatform {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    explicit HeadlessPlatform(FileStore& files) : files_(files) {}
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    // Messages from now on are written to `report` too, one a line as
    // "title: text"; nullptr stops that.
    void reportMessagesTo(std::ostream* report) { report_ = report; }

    void messageBox(const std::string& text, const std::string& title) override;
    void setFocus(ControlId) override {}
    void setMousePointer(MousePointer) override {}
    void doEvents() override {}
    PrintOutcome printWindow() override;

    Canvas& canvas() override { return canvas_; }
    FileDialog& fileDialog() override { return dialog_; }
    FileDialog& exportDialog() override { return exports_; }
    FileStore& fileStore() override { return files_; }
    AnsweringFileDialog& dialog() { return dialog_; }
    // The section sheet's painted formats come from the program, which
    // links a painter; without one they cannot be made.
    SheetBytes paintSectionSheet(const SectionSheetInput& input, SheetFormat format) override;
    using SheetPainter = SheetBytes (*)(const SectionSheetInput&, SheetFormat);
    static void setSheetPainter(SheetPainter painter) { sheetPainter_ = painter; }

    const std::vector<RecordingFileStore::Write>& writes() const { return files_.writes(); }
    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }

private:
    RecordingFileStore files_;
    HeadlessCanvas canvas_;
    AnsweringFileDialog dialog_;
    AnsweringFileDialog exports_;
    static inline SheetPainter sheetPainter_ = nullptr;
    std::vector<Message> messages_;
    std::ostream* report_ = nullptr;
};

// Writes a message as the command line reports it: "title: text".
void reportMessage(std::ostream& report, const HeadlessPlatform::Message& message);

} // namespace pitwright::cli
