#pragma once

#include "files/FileStore.h"

#include <map>
#include <string>

namespace pitwright::cli {

// Files held in memory, for designs that never were files: a sweep's rows
// become data files here, which the window then opens as it opens any.
class MemoryFileStore : public FileStore {
public:
    FileWriteResult writeProduced(const std::string& path, const BlockProducer& produce) override;
    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override;

    void put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
    void remove(const std::string& path) { files_.erase(path); }
    const std::string* find(const std::string& path) const;

private:
    std::map<std::string, std::string, std::less<>> files_;
};

} // namespace pitwright::cli
