#include "cli/HeadlessPlatform.h"

#include <ostream>

namespace pitwright::cli {

void reportMessage(std::ostream& report, const HeadlessPlatform::Message& message) {
    report << message.title << ": " << message.text << '\n';
}

void HeadlessPlatform::messageBox(const std::string& text, const std::string& title) {
    messages_.push_back({text, title});
    if (report_ != nullptr) {
        reportMessage(*report_, messages_.back());
    }
}

SheetBytes HeadlessPlatform::paintSectionSheet(const SectionSheetInput& input, SheetFormat format) {
    if (sheetPainter_ == nullptr) {
        SheetBytes none;
        none.writerFailed = true;
        return none;
    }
    return sheetPainter_(input, format);
}

PrintOutcome HeadlessPlatform::printWindow() {
    return {false, PrintProblem::NoPrintSupport, {}, "there is no printing on the command line"};
}

} // namespace pitwright::cli
