#include "model/DecimalComma.h"

#include <cstddef>

namespace pitwright {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

bool looksLikeDecimalComma(std::string_view text) {
    // The start of a number as a field reads it: blanks, a sign, digits and
    // a point with digits; then a comma instead of the exponent.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t mantissaStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > mantissaStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t afterFraction = skipDigits(text, i + 1);
        anyDigit = anyDigit || afterFraction > i + 1;
        i = afterFraction;
    }
    // ",5" counts too: the field reads 0 where 0.5 was meant.
    const bool noMantissa = i == mantissaStart;
    if (!anyDigit && !noMantissa) {
        return false; // a lone point
    }
    return i + 1 < text.size() && text[i] == ',' && isDigit(text[i + 1]);
}

} // namespace pitwright
