#pragma once

#include <string>
#include <string_view>

namespace pitwright {

struct FileWriteResult {
    bool ok = false;
    std::string reason; // why the file was not written, in plain words
};

struct FileReadResult {
    bool ok = false;
    std::string bytes;
    std::string reason; // why the file could not be read, in plain words
};

// Whole-file access. A write replaces the file whole or leaves it exactly as
// it was; no handle stays open after either call.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual FileWriteResult writeWhole(const std::string& path, std::string_view bytes) = 0;
    virtual FileReadResult readWhole(const std::string& path) = 0;
};

} // namespace pitwright
