#pragma once

#include <string_view>

namespace pitwright {

// Whether a text holds a number written with a decimal comma, as "45,5",
// " -0,25 " or "1.000,5" are: the number a field reads (valueOfText) stops
// at the comma and a digit follows it, so the field would take 45 for
// "45,5" where the writer meant 45.5. A thousands separator ("1,000") is
// caught as well, for the field reads it as 1 all the same.
bool looksLikeDecimalComma(std::string_view text);

} // namespace pitwright
