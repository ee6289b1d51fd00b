#pragma once

#include "model/ControlSet.h"

#include <array>
#include <string>
#include <string_view>

namespace pitwright::cli {

// A text field of the window as the command line reports it: the field and
// its label, its key in JSON and its column in a sweep's results.
struct ShownField {
    ControlId field;
    ControlId label;
    std::string_view key;
    std::string_view column;
};

inline constexpr std::size_t kShownFieldCount = 16;

// The sixteen text fields of the window, inputs and derived values, from top
// to bottom as the window shows them.
const std::array<ShownField, kShownFieldCount>& shownFields();

// A label's caption as the window now shows it, without its colon.
std::string captionOf(const ControlSet& controls, ControlId label);

} // namespace pitwright::cli
