#include "cli/SweepRow.h"

#include "cli/OpenedDesign.h"
#include "files/DataFile.h"
#include "model/DecimalComma.h"
#include "model/NumberText.h"
#include "ui/UserMessages.h"
#include "ui/frmPitwrightMain.h"

namespace pitwright::cli {
namespace {

// The seven texts of a data file, in file order.
constexpr std::array<SweepInput, kDataFileLines> kDataFileInputs{
    SweepInput::SlopeHeight, SweepInput::BenchHeight, SweepInput::BenchesPerStack,
    SweepInput::CrestToToe,  SweepInput::ToeToToe,    SweepInput::StackAngle,
    SweepInput::BenchAngle,
};

std::optional<InterRampConvention> conventionNamed(std::string_view text) {
    const std::string name = comparableColumnName(text);
    if (name.empty() || name == "c" || name == "cresttotoe") {
        return InterRampConvention::CrestToToe;
    }
    if (name == "t" || name == "toetotoe") {
        return InterRampConvention::ToeToToe;
    }
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

SweepRowEvaluator::SweepRowEvaluator(const SweepColumns& columns) : columns_(columns) {}

std::string_view SweepRowEvaluator::field(const CsvRecord& row, SweepInput input) const {
    const auto at = columns_.of(input);
    return at && *at < row.fields.size() ? std::string_view(row.fields[*at]) : std::string_view();
}

std::string SweepRowEvaluator::headerName(SweepInput input) const {
    const auto at = columns_.of(input);
    return at ? columns_.header[*at] : std::string(sweepInputName(input));
}

std::string SweepRowEvaluator::whyNotRead(const CsvRecord& row) const {
    const std::string line = std::to_string(row.problemLine);
    switch (row.problem) {
    case CsvProblem::UnterminatedQuote:
        return "a quoted field that starts on line " + line + " is never closed";
    case CsvProblem::TextAfterClosingQuote:
        return "text follows the closing quote of a field on line " + line;
    case CsvProblem::None:
        break;
    }
    const std::size_t expected = columns_.header.size();
    if (row.fields.size() != expected) {
        std::string why = "the row has " + std::to_string(row.fields.size()) +
                          " fields where the header has " + std::to_string(expected);
        if (row.fields.size() > expected) {
            why += "; those beyond the " + std::to_string(expected) + " are not copied";
        }
        return why;
    }
    const std::string_view convention = field(row, SweepInput::Convention);
    if (!conventionNamed(convention)) {
        return quoted(headerName(SweepInput::Convention)) + " is " + quoted(convention) +
               ", neither crest-to-toe (C) nor toe-to-toe (T)";
    }
    for (const SweepInput input : kDataFileInputs) {
        const std::string_view text = field(row, input);
        if (looksLikeDecimalComma(text)) {
            return "decimal comma in " + quoted(headerName(input)) + ": " + quoted(text) +
                   " would be read as " + formatGeneral(valueOfText(text)) +
                   "; write numbers with a point";
        }
    }
    return {};
}

void SweepRowEvaluator::evaluate(const CsvRecord& row, SweepRowResult& result) {
    for (std::string& text : result.fields) {
        text.clear();
    }
    for (std::string& text : result.catchBerm) {
        text.clear();
    }
    result.messages.clear();
    result.reason = whyNotRead(row);
    if (!result.reason.empty()) {
        return;
    }

    DataFileTexts texts;
    for (std::size_t line = 0; line < kDataFileLines; ++line) {
        texts[line] = field(row, kDataFileInputs[line]);
    }
    const DataFileEncoding encoded = encodeDataFile(texts);
    if (!encoded.ok) {
        result.reason = "the text of " + quoted(headerName(kDataFileInputs[encoded.refusedLine])) +
                        " " + dataFileRefusalWords(encoded);
        return;
    }
    // As the save routine writes it: the last line ended too. Named after
    // the row, since the window names the file in what it says about it.
    const std::string file = "line " + std::to_string(row.line);
    store_.put(file, encoded.text + "\r\n");

    platform_.clearMessages();
    frmPitwrightMain window(platform_);
    const auto convention = conventionNamed(field(row, SweepInput::Convention));
    const OpenedDesign opened = openInFreshWindow(window, platform_, *convention, file);
    store_.remove(file);

    const auto& shown = shownFields();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        result.fields[i] = window.controls().text(shown[i].field);
    }
    result.catchBerm = catchBermFiguresOf(window);
    for (const HeadlessPlatform::Message& message : platform_.messages()) {
        if (!result.messages.empty()) {
            result.messages += " | ";
        }
        result.messages += message.text;
    }
    if (!opened.drawn) {
        result.reason = opened.refusal;
    }
}

std::vector<std::string> sweepResultHeader(const std::vector<std::string>& inputHeader) {
    std::vector<std::string> header = inputHeader;
    for (const ShownField& shown : shownFields()) {
        header.emplace_back(shown.column);
    }
    for (const CatchBermFigure& figure : catchBermFigureNames()) {
        header.emplace_back(figure.column);
    }
    header.emplace_back("messages");
    header.emplace_back("reason");
    return header;
}

void appendSweepResult(CsvWriter& writer, std::string& out, const CsvRecord& row,
                       std::size_t headerFieldCount, const SweepRowResult& result) {
    std::vector<std::string_view> record;
    record.reserve(headerFieldCount + result.fields.size() + result.catchBerm.size() + 2);
    for (std::size_t i = 0; i < headerFieldCount; ++i) {
        record.emplace_back(i < row.fields.size() ? std::string_view(row.fields[i])
                                                  : std::string_view());
    }
    for (const std::string& text : result.fields) {
        record.emplace_back(text);
    }
    for (const std::string& text : result.catchBerm) {
        record.emplace_back(text);
    }
    record.emplace_back(result.messages);
    record.emplace_back(result.reason);
    writer.appendRecord(out, std::span<const std::string_view>(record));
}

} // namespace pitwright::cli
