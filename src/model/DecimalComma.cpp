#include "model/DecimalComma.h"

#include "model/NumberText.h"

#include <cstddef>

namespace pitwright {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool looksLikeDecimalComma(std::string_view text) {
    // A comma right after the digits the field reads, where the exponent
    // could stand; ",5" counts too: the field reads 0 where 0.5 was meant.
    const std::size_t i = numberPrefixOf(text).mantissaEnd;
    return i + 1 < text.size() && text[i] == ',' && isDigit(text[i + 1]);
}

} // namespace pitwright
