#include "cli/MemoryFileStore.h"

namespace pitwright::cli {

FileWriteResult MemoryFileStore::writeProduced(const std::string& path,
                                               const BlockProducer& produce) {
    std::string bytes;
    const bool produced = produce([&bytes](std::string_view block) {
        bytes += block;
        return true;
    });
    if (!produced) {
        return {false, FileProblem::ProductionStopped, {}};
    }
    files_[path] = std::move(bytes);
    return {true, FileProblem::None, {}};
}

FileReadResult MemoryFileStore::readStart(const std::string& path, std::size_t maxBytes) {
    FileReadResult read;
    const std::string* bytes = find(path);
    if (bytes == nullptr) {
        read.problem = FileProblem::NoSuchFile;
        return read;
    }
    read.ok = true;
    read.bytes.assign(*bytes, 0, maxBytes);
    read.cutShort = bytes->size() > maxBytes;
    return read;
}

const std::string* MemoryFileStore::find(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? nullptr : &file->second;
}

} // namespace pitwright::cli
