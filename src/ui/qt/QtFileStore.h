#pragma once

#include "files/FileStore.h"

namespace pitwright {

// Files on disk, written through a temporary file beside the target and
// renamed over it (QSaveFile).
class QtFileStore : public FileStore {
public:
    FileWriteResult writeWhole(const std::string& path, std::string_view bytes) override;
    FileReadResult readStart(const std::string& path, std::size_t maxBytes) override;
};

} // namespace pitwright
