#pragma once

#include "files/FileStore.h"

#include <functional>
#include <map>
#include <string>

namespace pitwright::testing {

// Files in memory. A path in `refuseWrites` fails with its reason and leaves
// the stored file as it was.
class FakeFileStore : public FileStore {
public:
    FileWriteResult writeWhole(const std::string& path, std::string_view bytes) override {
        ++writeCount;
        if (duringWrite) {
            duringWrite();
        }
        if (const auto refused = refuseWrites.find(path); refused != refuseWrites.end()) {
            return {false, refused->second};
        }
        files[path] = std::string(bytes);
        return {true, {}};
    }

    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override {
        const auto file = files.find(path);
        if (file == files.end()) {
            return {false, {}, false, "there is no such file"};
        }
        const std::string& bytes = file->second;
        return {true, bytes.substr(0, maxBytes), bytes.size() > maxBytes, {}};
    }

    std::map<std::string, std::string> files;
    std::map<std::string, std::string> refuseWrites;
    std::function<void()> duringWrite;
    int writeCount = 0;
};

} // namespace pitwright::testing
