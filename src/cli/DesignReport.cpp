#include "cli/DesignReport.h"

#include "cli/CatchBermFigures.h"
#include "cli/JsonText.h"
#include "cli/StabilityReport.h"
#include "cli/WindowFields.h"

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

namespace pitwright::cli {

namespace {

InterRampConvention conventionOf(const ControlSet& controls) {
    return controls.isSelected(ControlId::optToeToToeSlopeAngle) ? InterRampConvention::ToeToToe
                                                                 : InterRampConvention::CrestToToe;
}

} // namespace

void writeFieldTable(std::ostream& out, const frmPitwrightMain& window) {
    const ControlSet& controls = window.controls();
    const ControlId option = conventionOf(controls) == InterRampConvention::ToeToToe
                                 ? ControlId::optToeToToeSlopeAngle
                                 : ControlId::optCrestToToeSlopeAngle;
    std::vector<std::pair<std::string, std::string>> rows;
    rows.emplace_back(controls.text(ControlId::Frame1) + ":", controls.text(option));
    for (const ShownField& shown : shownFields()) {
        rows.emplace_back(captionOf(controls, shown.label) + ":", controls.text(shown.field));
    }
    const CatchBermFigures catchBerm = catchBermFiguresOf(window);
    const auto& names = catchBermFigureNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        rows.emplace_back(std::string(names[i].column) + ":", catchBerm[i]);
    }
    rows.emplace_back("Comment line:", controls.text(ControlId::txtComment));

    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.first.size());
    }
    for (const auto& [caption, text] : rows) {
        out << caption << std::string(width + 2 - caption.size(), ' ') << text << '\n';
    }
}

void writeFieldJson(std::ostream& out, const frmPitwrightMain& window, const std::string& file,
                    const OpenedDesign& opened, const HeadlessPlatform& platform,
                    const StabilityAnalysis* stability) {
    const ControlSet& controls = window.controls();
    out << "{\n";
    out << "  \"file\": " << jsonString(file) << ",\n";
    out << "  \"convention\": " << jsonString(conventionName(conventionOf(controls))) << ",\n";
    out << "  \"drawn\": " << (opened.drawn ? "true" : "false") << ",\n";
    out << "  \"refusal\": " << jsonString(opened.refusal) << ",\n";
    out << "  \"fields\": {\n";
    const auto& fields = shownFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << "    " << jsonString(fields[i].key) << ": "
            << jsonString(controls.text(fields[i].field)) << (i + 1 < fields.size() ? ",\n" : "\n");
    }
    out << "  },\n";
    out << "  \"catchBerm\": {";
    const CatchBermFigures catchBerm = catchBermFiguresOf(window);
    const auto& names = catchBermFigureNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        out << (i == 0 ? "" : ", ") << jsonString(names[i].key) << ": " << jsonString(catchBerm[i]);
    }
    out << "},\n";
    if (stability != nullptr) {
        out << "  \"stability\": ";
        writeStabilityJson(out, *stability);
        out << ",\n";
    }
    out << "  \"comment\": " << jsonString(controls.text(ControlId::txtComment)) << ",\n";
    out << "  \"messages\": [";
    const auto& messages = platform.messages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << "    {\"title\": " << jsonString(messages[i].title)
            << ", \"text\": " << jsonString(messages[i].text) << "}";
    }
    out << (messages.empty() ? "]\n" : "\n  ]\n");
    out << "}\n";
}

} // namespace pitwright::cli
