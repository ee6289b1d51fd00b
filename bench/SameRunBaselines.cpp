#include "bench/SameRunBaselines.h"

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace pitwright::bench {

void takeLargeBlocksFreshFromTheSystem() {
    // A fixed threshold also stops glibc from raising it after each release.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

void copyIntoFreshMemory(std::string_view bytes) {
    const std::unique_ptr<char[]> copy(new char[bytes.size()]);
    std::memcpy(copy.get(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.get());
    benchmark::ClobberMemory();
}

TemporaryFile::TemporaryFile() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pitwright-bench-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        throw std::runtime_error("no temporary file in " + pattern);
    }
    close(fd);
    path_ = name.data();
}

TemporaryFile::~TemporaryFile() {
    unlink(path_.c_str());
}

int TemporaryFile::openEmptied() const {
    return open(path_.c_str(), O_WRONLY | O_TRUNC);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void writeWithOneCall(const TemporaryFile& file, std::string_view bytes) {
    const int fd = file.openEmptied();
    if (!writeAll(fd, bytes)) {
        throw std::runtime_error("cannot write " + file.path());
    }
    close(fd);
}

} // namespace pitwright::bench
