#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pitwright {

// One entry of a file dialog's type list.
struct FileFilter {
    std::string description;           // "Data-files(*.DAT)"
    std::vector<std::string> patterns; // {"*.DAT"}

    bool operator==(const FileFilter&) const = default;
};

// Splits "description|patterns|description|patterns" into its entries, in
// order; several patterns of one entry are separated by semicolons. A
// description without its pattern part is dropped.
std::vector<FileFilter> parseFileFilters(std::string_view filter);

} // namespace pitwright
