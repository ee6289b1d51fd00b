#pragma once

#include "support/FakeFileDialog.h"
#include "support/FakeFileStore.h"
#include "support/RecordingCanvas.h"
#include "ui/WindowPlatform.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace pitwright::testing {

// Stands in for the screen: records every message, focus move and pointer
// change; every message box is answered with OK.
class FakePlatform : public WindowPlatform {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    void messageBox(const std::string& text, const std::string& title) override {
        messages.push_back({text, title});
    }
    void setFocus(ControlId id) override { focusMoves.push_back(id); }
    void setMousePointer(MousePointer pointer) override { pointers.push_back(pointer); }
    void doEvents() override {
        ++doEventsCount;
        if (duringDoEvents) {
            duringDoEvents();
        }
    }
    PrintOutcome printWindow() override {
        ++printCount;
        return printAnswer;
    }
    Canvas& canvas() override { return picture; }
    FileDialog& fileDialog() override { return dialog; }
    FileDialog& exportDialog() override { return exports; }
    // Stands in for the painted formats: the format's name, then the title
    // block's rows, one a line.
    SheetBytes paintSectionSheet(const SectionSheetInput& input, SheetFormat format) override {
        ++sheetsPainted;
        SheetBytes sheet;
        sheet.verdict = checkDrawnSection(input.section);
        if (sheet.ok()) {
            sheet.bytes = format == SheetFormat::Svg   ? "SVG"
                          : format == SheetFormat::Pdf ? "PDF"
                                                       : "PNG";
            for (const TitleRow& row : input.titleRows) {
                sheet.bytes += "\n" + row.caption + ": " + row.text;
            }
        }
        return sheet;
    }
    FileStore& fileStore() override { return diskStore != nullptr ? *diskStore : files; }

    std::vector<Message> messages;
    std::vector<ControlId> focusMoves;
    std::vector<MousePointer> pointers;
    int doEventsCount = 0;
    // Stands for window events that run while pending events are let run.
    std::function<void()> duringDoEvents;
    int printCount = 0;
    PrintOutcome printAnswer{true, PrintProblem::None, {}, {}};
    RecordingCanvas picture;
    FakeFileDialog dialog;
    FakeFileDialog exports;
    int sheetsPainted = 0;
    FakeFileStore files;
    // Files on a real disk instead of in `files`, where a test sets one.
    FileStore* diskStore = nullptr;
};

} // namespace pitwright::testing
