#include "files/DiskFileStore.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pitwright {
namespace {

std::string systemWords(int error) {
    return std::strerror(error);
}

FileWriteResult writeFailure(FileProblem problem, int error = 0) {
    return {false, problem, error != 0 ? systemWords(error) : std::string()};
}

FileReadResult readFailure(FileProblem problem, int error = 0) {
    FileReadResult result;
    result.problem = problem;
    if (error != 0) {
        result.detail = systemWords(error);
    }
    return result;
}

// What a refused creation or write of a file in a folder means.
FileProblem writeProblemOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return FileProblem::FolderNotWritable;
    case EROFS:
        return FileProblem::ReadOnlyFileSystem;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileProblem::DiskFull;
    default:
        return FileProblem::WriteFailed;
    }
}

bool isPlainFile(const struct stat& info) {
    return S_ISREG(info.st_mode);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Where the bytes go and what is in the way there now.
struct Target {
    std::string folder;
    std::string name;
    bool exists = false;
    mode_t mode = 0; // permissions of the file it replaces
};

// Resolves the path to the plain file to write, refusing whatever a plain
// file must not replace. A link to a plain file is followed, so the link
// itself stays.
std::optional<FileWriteResult> findTarget(const std::string& path, Target& target) {
    std::string resolved = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        if (S_ISLNK(info.st_mode)) {
            if (::stat(path.c_str(), &info) != 0) {
                return errno == ENOENT ? writeFailure(FileProblem::LinkLeadsNowhere)
                                       : writeFailure(FileProblem::CannotCreate, errno);
            }
            char real[PATH_MAX];
            if (::realpath(path.c_str(), real) == nullptr) {
                return writeFailure(FileProblem::CannotCreate, errno);
            }
            resolved = real;
        }
        if (S_ISDIR(info.st_mode)) {
            return writeFailure(FileProblem::FolderInTheWay);
        }
        if (!isPlainFile(info)) {
            return writeFailure(FileProblem::NotAPlainFile);
        }
        target.exists = true;
        target.mode = info.st_mode & 07777;
    } else if (errno == ENOTDIR) {
        return writeFailure(FileProblem::NoSuchFolder);
    } else if (errno != ENOENT) {
        return writeFailure(
            errno == EACCES ? FileProblem::FolderNotWritable : FileProblem::CannotCreate, errno);
    }

    const std::size_t slash = resolved.rfind('/');
    target.folder = slash == std::string::npos ? "." : resolved.substr(0, slash + 1);
    target.name = slash == std::string::npos ? resolved : resolved.substr(slash + 1);
    if (target.name.empty() || target.name == "." || target.name == "..") {
        return writeFailure(FileProblem::FolderInTheWay);
    }
    struct stat folderInfo {};
    if (::stat(target.folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)) {
        return writeFailure(FileProblem::NoSuchFolder);
    }
    return std::nullopt;
}

// Temporary names carry the saving process's number, so that a later save
// can tell the leftovers of a killed one from those of a save still running.
std::string temporaryPrefix(const std::string& name) {
    return "." + name + ".pitwright-";
}

std::string temporaryName(const std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, "%ld-%016llx", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(random()));
    return temporaryPrefix(name) + suffix;
}

// The process that made a temporary name, or 0 where the name is not one.
pid_t makerOf(std::string_view entry, std::string_view prefix) {
    if (entry.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    entry.remove_prefix(prefix.size());
    long pid = 0;
    std::size_t digits = 0;
    while (digits < entry.size() && digits < 10 && entry[digits] >= '0' && entry[digits] <= '9') {
        pid = pid * 10 + (entry[digits] - '0');
        ++digits;
    }
    return digits > 0 && digits < entry.size() && entry[digits] == '-' ? static_cast<pid_t>(pid)
                                                                       : 0;
}

// A process killed between naming its new file and putting it in place
// leaves that temporary behind. The next save of the same file removes such
// leftovers: ours, plain files, and their maker gone.
void removeLeftovers(int folder, const std::string& name) {
    const int listing = ::dup(folder);
    if (listing < 0) {
        return;
    }
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    ::rewinddir(entries);
    const std::string prefix = temporaryPrefix(name);
    while (const dirent* entry = ::readdir(entries)) {
        const pid_t maker = makerOf(entry->d_name, prefix);
        if (maker <= 0 || maker == ::getpid() || ::kill(maker, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            isPlainFile(info) && info.st_uid == ::geteuid()) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

// Gives the unnamed file a name in the folder.
bool linkUnnamed(int fd, int folder, const std::string& name) {
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, procPath, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // Without /proc, the superuser can still link the descriptor itself.
    return ::linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;
}

// Writes every byte, again and again where the system takes only part.
bool writeAll(int fd, std::string_view bytes, int& error) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

FileWriteResult DiskFileStore::writeProduced(const std::string& path,
                                             const BlockProducer& produce) {
    Target target;
    if (auto refused = findTarget(path, target)) {
        return *refused;
    }
    const Descriptor folder(::open(target.folder.c_str(), O_DIRECTORY | O_RDONLY | O_CLOEXEC));
    if (!folder.valid()) {
        return writeFailure(FileProblem::NoSuchFolder, errno);
    }
    if (target.exists && ::faccessat(folder.get(), target.name.c_str(), W_OK, 0) != 0) {
        return writeFailure(errno == EROFS ? FileProblem::ReadOnlyFileSystem
                                           : FileProblem::FileReadOnly);
    }

    removeLeftovers(folder.get(), target.name);

    // An unnamed file vanishes by itself whatever happens before it is
    // linked; only where the file system has none does a named one stand in.
    std::string temporary;
    int fd = ::openat(folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
            temporary = temporaryName(target.name);
            fd = ::openat(folder.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          0666);
            if (fd < 0 && errno != EEXIST) {
                break;
            }
        }
    }
    if (fd < 0) {
        const int error = errno;
        const FileProblem problem = writeProblemOf(error);
        return writeFailure(
            problem == FileProblem::WriteFailed ? FileProblem::CannotCreate : problem, error);
    }
    const Descriptor file(fd);
    auto removeTemporary = [&] {
        if (!temporary.empty()) {
            ::unlinkat(folder.get(), temporary.c_str(), 0);
        }
    };
    if (target.exists) {
        ::fchmod(file.get(), target.mode); // the new file keeps the old one's permissions
    }

    int error = 0;
    const BlockWriter write = [&](std::string_view block) {
        return error == 0 && writeAll(file.get(), block, error);
    };
    const bool produced = produce(write);
    if (error == 0 && !produced) {
        removeTemporary();
        return writeFailure(FileProblem::ProductionStopped);
    }
    // Success is reported only once the bytes are on the disk.
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (error != 0) {
        removeTemporary();
        return writeFailure(writeProblemOf(error), error);
    }

    if (temporary.empty()) {
        if (!target.exists && linkUnnamed(file.get(), folder.get(), target.name)) {
            ::fsync(folder.get());
            return {true, FileProblem::None, {}};
        }
        temporary = temporaryName(target.name);
        if (!linkUnnamed(file.get(), folder.get(), temporary)) {
            const int linkError = errno;
            temporary.clear();
            return writeFailure(FileProblem::CannotReplace, linkError);
        }
    }
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), target.name.c_str()) != 0) {
        const int renameError = errno;
        removeTemporary();
        return writeFailure(FileProblem::CannotReplace, renameError);
    }
    ::fsync(folder.get()); // the new name on the disk too
    return {true, FileProblem::None, {}};
}

FileReadResult DiskFileStore::readStart(const std::string& path, std::size_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return readFailure(FileProblem::NoSuchFile);
        }
        return readFailure(error == EACCES ? FileProblem::NotReadable : FileProblem::ReadFailed,
                           error);
    }
    if (S_ISDIR(info.st_mode)) {
        return readFailure(FileProblem::IsAFolder);
    }
    if (!isPlainFile(info)) {
        return readFailure(FileProblem::NotAPlainFile);
    }
    // Not blocking even if a FIFO took the file's place since the look above.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        const int error = errno;
        return readFailure(error == EACCES ? FileProblem::NotReadable : FileProblem::ReadFailed,
                           error);
    }
    if (::fstat(file.get(), &info) != 0 || !isPlainFile(info)) {
        return readFailure(FileProblem::NotAPlainFile);
    }

    FileReadResult result;
    const auto expected = static_cast<std::size_t>(info.st_size);
    result.bytes.resize(std::min(expected, maxBytes));
    std::size_t got = 0;
    char probe = 0;
    for (;;) {
        // One byte past the limit tells whether the file goes on.
        const bool probing = got == result.bytes.size();
        if (probing && got >= maxBytes) {
            const ssize_t n = ::read(file.get(), &probe, 1);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                return readFailure(FileProblem::ReadFailed, errno);
            }
            result.cutShort = n > 0;
            break;
        }
        if (probing) {
            result.bytes.resize(std::min(maxBytes, got + 64 * 1024)); // it grew meanwhile
        }
        const ssize_t n = ::read(file.get(), result.bytes.data() + got, result.bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return readFailure(FileProblem::ReadFailed, errno);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

} // namespace pitwright
