#pragma once

#include <string>
#include <string_view>

namespace pitwright::cli {

// A UTF-8 text as a JSON string, quotes included: the quote, the backslash
// and control characters escaped, everything else as it is.
std::string jsonString(std::string_view text);

} // namespace pitwright::cli
