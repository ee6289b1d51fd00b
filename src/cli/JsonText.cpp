#include "cli/JsonText.h"

namespace pitwright::cli {

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json;
    json.reserve(text.size() + 2);
    json.push_back('"');
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                json += "\\u00";
                json.push_back(kHex[byte >> 4]);
                json.push_back(kHex[byte & 0xF]);
            } else {
                json.push_back(c);
            }
        }
    }
    json.push_back('"');
    return json;
}

} // namespace pitwright::cli
