// libFuzzer target: any bytes offered as a data file either hold a design of
// seven texts or are refused with a reason, and a design read from a file
// is written back to bytes that read as the same seven texts.
#include "files/DataFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pitwright;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DataFileDecoding read = decodeDataFile(bytes);
    if (!read.ok) {
        if (read.shortfall == DataFileShortfall::None) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    const DataFileEncoding written = encodeDataFile(read.texts);
    if (!written.ok) {
        // Only a line break inside a text (a lone CR) cannot be written back.
        if (read.texts[written.refusedLine].find_first_of("\r\n") == std::string::npos) {
            std::abort();
        }
        return 0;
    }
    const DataFileDecoding again = decodeDataFile(written.text + "\r\n");
    if (!again.ok || again.texts != read.texts) {
        std::abort();
    }
    return 0;
}
