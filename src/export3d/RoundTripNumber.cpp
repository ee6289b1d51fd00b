#include "export3d/RoundTripNumber.h"

#include <charconv>
#include <cmath>

namespace pitwright {

char* writeRoundTrip(char* out, double value) {
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-5 && magnitude < 1e16 ? std::chars_format::fixed
                                                              : std::chars_format::scientific;
    return std::to_chars(out, out + kRoundTripMaxChars, value, format).ptr;
}

} // namespace pitwright
