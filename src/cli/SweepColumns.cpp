#include "cli/SweepColumns.h"

namespace pitwright::cli {
namespace {

constexpr std::array<std::string_view, kSweepInputCount> kNames{
    "convention",   "slope height", "bench height", "benches per stack",
    "crest-to-toe", "toe-to-toe",   "stack angle",  "bench angle",
};

constexpr SweepInput kNeeded[] = {SweepInput::SlopeHeight, SweepInput::BenchHeight,
                                  SweepInput::BenchesPerStack, SweepInput::StackAngle};

std::optional<SweepInput> inputNamed(std::string_view name) {
    const std::string comparable = comparableColumnName(name);
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (comparable == comparableColumnName(kNames[i])) {
            return static_cast<SweepInput>(i);
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

} // namespace

std::string_view sweepInputName(SweepInput input) {
    return kNames[static_cast<std::size_t>(input)];
}

std::string comparableColumnName(std::string_view name) {
    std::string comparable;
    comparable.reserve(name.size());
    for (const char c : name) {
        if (c == ' ' || c == '\t' || c == '_' || c == '-') {
            continue;
        }
        comparable.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return comparable;
}

SweepColumnsFound findSweepColumns(const std::vector<std::string>& header) {
    SweepColumns columns;
    columns.header = header;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto input = inputNamed(header[i]);
        if (!input) {
            continue;
        }
        auto& at = columns.at[static_cast<std::size_t>(*input)];
        if (at) {
            return {std::nullopt, "the header names " + quoted(sweepInputName(*input)) +
                                      " twice: in column " + std::to_string(*at + 1) + " (" +
                                      quoted(header[*at]) + ") and in column " +
                                      std::to_string(i + 1) + " (" + quoted(header[i]) + ")"};
        }
        at = i;
    }

    std::string missing;
    for (const SweepInput input : kNeeded) {
        if (!columns.of(input)) {
            missing += (missing.empty() ? "" : ", ") + quoted(sweepInputName(input));
        }
    }
    if (!columns.of(SweepInput::CrestToToe) && !columns.of(SweepInput::ToeToToe)) {
        missing +=
            (missing.empty() ? "" : ", ") + std::string("\"crest-to-toe\" or \"toe-to-toe\"");
    }
    if (!missing.empty()) {
        return {std::nullopt, "the header has no column " + missing};
    }
    return {std::move(columns), {}};
}

} // namespace pitwright::cli
