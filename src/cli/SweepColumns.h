#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pitwright::cli {

// The columns a sweep reads, by their names in the header row.
enum class SweepInput : std::uint8_t {
    Convention,
    SlopeHeight,
    BenchHeight,
    BenchesPerStack,
    CrestToToe,
    ToeToToe,
    StackAngle,
    BenchAngle,
};
inline constexpr std::size_t kSweepInputCount = 8;

// The input's name as the help text gives it: "convention", "slope height",
// "bench height", "benches per stack", "crest-to-toe", "toe-to-toe",
// "stack angle", "bench angle".
std::string_view sweepInputName(SweepInput input);

// A column name as it is compared: letters in lower case, blanks, tabs,
// underscores and hyphens left out ("Slope_Height" and "slope height" read
// alike).
std::string comparableColumnName(std::string_view name);

// Where each input stands in the header.
struct SweepColumns {
    std::array<std::optional<std::size_t>, kSweepInputCount> at;
    std::vector<std::string> header; // the header's own texts, for messages
    std::optional<std::size_t> of(SweepInput input) const {
        return at[static_cast<std::size_t>(input)];
    }
};

struct SweepColumnsFound {
    std::optional<SweepColumns> columns;
    std::string problem; // why the header cannot be used; empty when it can
};

// Finds the inputs in a header row. Slope height, bench height, benches per
// stack, the stack angle and one of the two inter-ramp angles are needed;
// the convention (crest-to-toe where it is missing), the other inter-ramp
// angle and the bench angle (which one bench per stack does not use) may be
// left out. Other columns are the user's own. A column named twice cannot
// be told which to read, and is refused.
SweepColumnsFound findSweepColumns(const std::vector<std::string>& header);

} // namespace pitwright::cli
