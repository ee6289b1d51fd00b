// libFuzzer target: any bytes typed into a field read as a number without
// harm, and every finite value comes back from its written form.
#include "model/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pitwright;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = valueOfText(text);
    if (std::isnan(value)) {
        std::abort();
    }
    // Text after the number never changes its value.
    if (valueOfText(text + "x") != value) {
        std::abort();
    }
    if (!std::isfinite(value)) {
        return 0;
    }
    const std::string general = formatGeneral(value);
    const double back = valueOfText(general);
    if (std::fabs(back - value) > 1e-14 * std::fabs(value)) {
        std::abort();
    }
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double rounded = valueOfText(formatRounded(value, decimals));
        if (!std::isfinite(rounded) ||
            std::fabs(rounded - value) > 0.5 + 1e-14 * std::fabs(value)) {
            std::abort();
        }
    }
    if (const auto count = toCount16(value); count && std::fabs(*count - value) > 0.5) {
        std::abort();
    }
    return 0;
}
