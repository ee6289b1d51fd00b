#pragma once

#include <cstddef>
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
    bool cutShort = false; // the file holds more than the bytes read
    std::string reason;    // why the file could not be read, in plain words
};

// Access to files on disk. A write replaces the file whole or leaves it
// exactly as it was; no handle stays open after either call.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual FileWriteResult writeWhole(const std::string& path, std::string_view bytes) = 0;
    // The first maxBytes bytes of the file at most, so that choosing some
    // huge file by mistake cannot exhaust the memory.
    virtual FileReadResult readStart(const std::string& path, std::size_t maxBytes) = 0;
};

} // namespace pitwright
