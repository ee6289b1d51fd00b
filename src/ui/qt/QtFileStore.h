#pragma once

#include "FileStore.h"

namespace pitwright {

// Files on disk, written through a temporary file and renamed (QSaveFile).
class QtFileStore : public FileStore {
public:
    FileWriteResult writeWhole(const std::string& path, std::string_view bytes) override;
    FileReadResult readWhole(const std::string& path) override;
};

} // namespace pitwright
