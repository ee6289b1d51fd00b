#pragma once

#include "files/FileStore.h"

#include <functional>
#include <map>
#include <string>

namespace pitwright::testing {

// Files in memory. A path in `refuseWrites` fails for its reason and leaves
// the stored file as it was.
class FakeFileStore : public FileStore {
public:
    FileWriteResult writeProduced(const std::string& path, const BlockProducer& produce) override {
        ++writeCount;
        if (duringWrite) {
            duringWrite();
        }
        std::string bytes;
        bool diskFull = false;
        const bool produced = produce([&](std::string_view block) {
            if (bytes.size() + block.size() > room) {
                diskFull = true;
                return false;
            }
            bytes += block;
            return true;
        });
        if (diskFull) {
            return {false, FileProblem::DiskFull, {}};
        }
        if (const auto refused = refuseWrites.find(path); refused != refuseWrites.end()) {
            return {false, refused->second, {}};
        }
        if (!produced) {
            return {false, FileProblem::ProductionStopped, {}};
        }
        files[path] = std::move(bytes);
        return {true, FileProblem::None, {}};
    }

    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override {
        const auto file = files.find(path);
        if (file == files.end()) {
            FileReadResult missing;
            missing.problem = FileProblem::NoSuchFile;
            return missing;
        }
        const std::string& bytes = file->second;
        FileReadResult read;
        read.ok = true;
        read.bytes = bytes.substr(0, maxBytes);
        read.cutShort = bytes.size() > maxBytes;
        return read;
    }

    std::map<std::string, std::string> files;
    std::map<std::string, FileProblem> refuseWrites;
    std::function<void()> duringWrite;
    // How many bytes a file may take before the disk is full.
    std::size_t room = std::size_t(-1);
    int writeCount = 0;
};

} // namespace pitwright::testing
