#pragma once

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include <sys/mount.h>
#include <unistd.h>

namespace pitwright::testing {

// A folder of its own under the system's temporary folder, removed with
// everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pitwright-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            // Never a bare name, which would put a test's files in the current folder.
            throw std::runtime_error("cannot make a temporary folder: " + pattern);
        }
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
        }
    }
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A small file system of its own (tmpfs), or a read-only view of a folder,
// mounted for one test. Mounting needs the superuser: without it, or where
// the system refuses, `whyNot()` says so and the test skips.
class ScratchMount {
public:
    static ScratchMount tmpfs(const std::string& size) {
        ScratchMount mount;
        if (mount.refusedForUser()) {
            return mount;
        }
        const std::string options = "size=" + size + ",mode=0755";
        if (::mount("tmpfs", mount.point_->path().c_str(), "tmpfs", 0, options.c_str()) != 0) {
            mount.why_ =
                std::string("the system refused to mount a tmpfs: ") + std::strerror(errno);
            return mount;
        }
        mount.mounted_ = true;
        return mount;
    }

    // `folder` seen read-only at the mount point.
    static ScratchMount readOnlyView(const std::string& folder) {
        ScratchMount mount;
        if (mount.refusedForUser()) {
            return mount;
        }
        const char* at = mount.point_->path().c_str();
        if (::mount(folder.c_str(), at, nullptr, MS_BIND, nullptr) != 0) {
            mount.why_ = std::string("the system refused a bind mount: ") + std::strerror(errno);
            return mount;
        }
        mount.mounted_ = true;
        if (::mount(nullptr, at, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            mount.why_ =
                std::string("the system refused a read-only remount: ") + std::strerror(errno);
        }
        return mount;
    }

    ScratchMount(ScratchMount&& other) noexcept
        : point_(std::move(other.point_)), mounted_(std::exchange(other.mounted_, false)),
          why_(std::move(other.why_)) {}
    ~ScratchMount() {
        if (mounted_) {
            ::umount2(point_->path().c_str(), MNT_DETACH);
        }
    }

    // Why the mount is not there, or nothing.
    std::optional<std::string> whyNot() const {
        return why_.empty() ? std::nullopt : std::optional<std::string>(why_);
    }
    std::string file(const std::string& name) const { return point_->file(name); }

private:
    ScratchMount() : point_(std::make_unique<TempFolder>()) {}
    bool refusedForUser() {
        if (::geteuid() != 0) {
            why_ = "mounting a scratch file system needs the superuser";
            return true;
        }
        return false;
    }

    std::unique_ptr<TempFolder> point_;
    bool mounted_ = false;
    std::string why_;
};

} // namespace pitwright::testing
