#pragma once

#include "files/FileStore.h"

#include <string>
#include <vector>

namespace pitwright::cli {

// Passes every call to another store and keeps the outcome of each write, so
// that a command can tell whether the file it asked for was written; the
// window itself only says so in words.
class RecordingFileStore : public FileStore {
public:
    struct Write {
        std::string path;
        bool ok = false;
    };

    explicit RecordingFileStore(FileStore& store) : store_(store) {}

    FileWriteResult writeProduced(const std::string& path, const BlockProducer& produce) override;
    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override {
        return store_.readStart(path, maxBytes);
    }

    const std::vector<Write>& writes() const { return writes_; }

private:
    FileStore& store_;
    std::vector<Write> writes_;
};

} // namespace pitwright::cli
