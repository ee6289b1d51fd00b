#include "QtFileStore.h"

namespace pitwright {

// Placeholder until the real file access lands.
FileWriteResult QtFileStore::writeWhole(const std::string&, std::string_view) {
    return {false, "Saving is not available yet."};
}
FileReadResult QtFileStore::readWhole(const std::string&) {
    return {false, {}, "Opening is not available yet."};
}

} // namespace pitwright
