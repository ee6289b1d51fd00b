#include "cli/RecordingFileStore.h"

namespace pitwright::cli {

FileWriteResult RecordingFileStore::writeProduced(const std::string& path,
                                                  const BlockProducer& produce) {
    FileWriteResult result = store_.writeProduced(path, produce);
    writes_.push_back({path, result.ok});
    return result;
}

} // namespace pitwright::cli
