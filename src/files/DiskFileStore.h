#pragma once

#include "files/FileStore.h"

namespace pitwright {

// Files on a local disk, through the system's own calls.
//
// A write goes into an unnamed file in the target's folder, checks every
// write and waits until the bytes are on the disk, and only then gives the
// file the target's name in one step. A failure anywhere (a full disk, a
// refused flush, a killed process) leaves the old file exactly as it was and
// no temporary file behind; only on a file system without unnamed files does
// a named one stand in, which a killed process leaves behind. The file a symbolic link points at is
// written, and the link stays. A FIFO, socket or device is never opened for writing, and never
// opened in a way that could block for reading.
class DiskFileStore : public FileStore {
public:
    FileWriteResult writeProduced(const std::string& path, const BlockProducer& produce) override;
    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override;
};

} // namespace pitwright
