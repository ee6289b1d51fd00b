#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pitwright {

// Why a file was not written or read. The window words these for the user.
enum class FileProblem : unsigned char {
    None,
    // Writing
    FolderInTheWay,    // a folder has the file's name
    NoSuchFolder,      // the file's folder does not exist
    NotAPlainFile,     // a FIFO, socket or device has the name; never replaced
    LinkLeadsNowhere,  // a symbolic link that points at nothing
    FolderNotWritable, // no permission to make files in the folder
    FileReadOnly,      // the old file may not be replaced
    ReadOnlyFileSystem,
    CannotCreate,      // the system would not make a new file in the folder
    DiskFull,          // no space (or quota) left for the whole of it
    WriteFailed,       // writing or flushing to the disk failed otherwise
    CannotReplace,     // the finished file could not take the old one's place
    ProductionStopped, // the bytes could not be produced to the end
    // Reading
    NoSuchFile,
    IsAFolder,
    NotReadable, // no permission to read it
    ReadFailed,
};

struct FileWriteResult {
    bool ok = false;
    FileProblem problem = FileProblem::None;
    std::string detail; // the system's own words, where it gave some
};

struct FileReadResult {
    bool ok = false;
    std::string bytes;
    bool cutShort = false; // the file holds more than the bytes read
    FileProblem problem = FileProblem::None;
    std::string detail;
};

// Hands the bytes of a file to `write` block by block, in order. Returns
// false when it cannot go on (or `write` refused a block).
using BlockWriter = std::function<bool(std::string_view block)>;
using BlockProducer = std::function<bool(const BlockWriter& write)>;

// Access to files on disk. A write replaces the file whole or leaves it
// exactly as it was, and reports success only once every byte reached the
// disk; no handle stays open after any call. Only plain files are written
// or read: a FIFO, socket or device is refused before a byte moves.
class FileStore {
public:
    virtual ~FileStore() = default;

    virtual FileWriteResult writeProduced(const std::string& path,
                                          const BlockProducer& produce) = 0;
    FileWriteResult writeWhole(const std::string& path, std::string_view bytes) {
        return writeProduced(path, [bytes](const BlockWriter& write) { return write(bytes); });
    }

    // The first maxBytes bytes of the file at most, so that choosing some
    // huge file by mistake cannot exhaust the memory.
    virtual FileReadResult readStart(const std::string& path, std::size_t maxBytes) = 0;
};

} // namespace pitwright
