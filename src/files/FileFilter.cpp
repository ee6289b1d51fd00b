#include "files/FileFilter.h"

namespace pitwright {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

std::vector<FileFilter> parseFileFilters(std::string_view filter) {
    std::vector<FileFilter> filters;
    if (filter.empty()) {
        return filters;
    }
    const auto parts = split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter entry{std::string(parts[i]), {}};
        for (std::string_view pattern : split(parts[i + 1], ';')) {
            if (!pattern.empty()) {
                entry.patterns.emplace_back(pattern);
            }
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

} // namespace pitwright
