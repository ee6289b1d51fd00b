// Files on real disks: written whole or not at all, success only once the
// bytes are on the disk, and nothing but plain files read or replaced.
#include "files/DiskFileStore.h"
#include "support/ScratchFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>

namespace pitwright::testing {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DiskFiles : public ::testing::Test {
protected:
    TempFolder folder;
    DiskFileStore store;
};

TEST_F(DiskFiles, WritesWholeKeepsPermissionsAndLeavesNoTemporaryFile) {
    const std::string path = folder.file("d.DAT");
    writeFile(path, "old content that is longer");
    ::chmod(path.c_str(), 0640);
    const std::string bytes("1\r\n\xE9\0x\r\n", 8);
    const FileWriteResult written = store.writeWhole(path, bytes);
    ASSERT_TRUE(written.ok) << written.detail;
    EXPECT_EQ(contentOf(path), bytes);
    EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0640));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"d.DAT"});

    const FileReadResult read = store.readStart(path, 1000);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_FALSE(read.cutShort);
    const FileReadResult start = store.readStart(path, 3);
    EXPECT_EQ(start.bytes, "1\r\n");
    EXPECT_TRUE(start.cutShort);
    EXPECT_FALSE(store.readStart(path, 8).cutShort);
}

TEST_F(DiskFiles, WritesInBlocksAndKeepsTheOldFileWhenTheContentStops) {
    const std::string path = folder.file("w.ASC");
    const FileWriteResult written = store.writeProduced(
        path, [](const BlockWriter& write) { return write("one ") && write("") && write("two"); });
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(contentOf(path), "one two");

    const FileWriteResult stopped = store.writeProduced(
        path, [](const BlockWriter& write) { return write("half of it") && false; });
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(stopped.problem, FileProblem::ProductionStopped);
    EXPECT_EQ(contentOf(path), "one two");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"w.ASC"});
}

TEST_F(DiskFiles, ALinkStaysALinkToTheNewContent) {
    const std::string real = folder.file("real.DAT");
    const std::string link = folder.file("link.DAT");
    writeFile(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(store.writeWhole(link, "new").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(real), "new");

    const std::string dangling = folder.file("dangling.DAT");
    fs::create_symlink(folder.file("gone"), dangling);
    const FileWriteResult written = store.writeWhole(dangling, "x");
    EXPECT_EQ(written.problem, FileProblem::LinkLeadsNowhere);
    EXPECT_FALSE(fs::exists(folder.file("gone")));
}

TEST_F(DiskFiles, WhatIsNotAPlainFileIsNeitherReplacedNorRead) {
    const std::string fifo = folder.file("pipe.DAT");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Reading a FIFO nobody writes to would wait for ever; it is refused at
    // once instead (the test has a time limit).
    const FileReadResult read = store.readStart(fifo, 100);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.problem, FileProblem::NotAPlainFile);
    const FileWriteResult written = store.writeWhole(fifo, "x");
    EXPECT_EQ(written.problem, FileProblem::NotAPlainFile);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string socketPath = folder.file("s.DAT");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(store.writeWhole(socketPath, "x").problem, FileProblem::NotAPlainFile);
    EXPECT_EQ(store.readStart(socketPath, 10).problem, FileProblem::NotAPlainFile);
    EXPECT_TRUE(fs::is_socket(socketPath));
    ::close(listener);
}

TEST_F(DiskFiles, FoldersAndMissingPlacesAreNamed) {
    fs::create_directory(folder.file("taken.DAT"));
    writeFile(folder.file("taken.DAT/inside"), "kept");
    EXPECT_EQ(store.writeWhole(folder.file("taken.DAT"), "x").problem, FileProblem::FolderInTheWay);
    EXPECT_EQ(contentOf(folder.file("taken.DAT/inside")), "kept");
    EXPECT_EQ(store.writeWhole(folder.file("no/such/d.DAT"), "x").problem,
              FileProblem::NoSuchFolder);
    EXPECT_EQ(store.readStart(folder.file("none"), 10).problem, FileProblem::NoSuchFile);
    EXPECT_EQ(store.readStart(folder.path().string(), 10).problem, FileProblem::IsAFolder);
    // No one may make files in /proc, the superuser neither.
    const FileWriteResult proc = store.writeWhole("/proc/pitwright-save-test.DAT", "x");
    EXPECT_FALSE(proc.ok);
    EXPECT_FALSE(fs::exists("/proc/pitwright-save-test.DAT"));
}

TEST(DiskFilesOnTheirOwnDisk, AFullDiskKeepsTheOldFileAndSaysSo) {
    const ScratchMount disk = ScratchMount::tmpfs("64k");
    if (const auto why = disk.whyNot()) {
        GTEST_SKIP() << *why;
    }
    DiskFileStore store;
    const std::string path = disk.file("design.DAT");
    ASSERT_TRUE(store.writeWhole(path, "100\r\n10\r\n5\r\n45\r\n\r\n60\r\n75\r\n").ok);
    const std::string saved = contentOf(path);
    {
        // Fill what is left of the disk.
        std::ofstream filler(disk.file("filler"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
    }
    for (std::size_t size : {std::size_t{26}, std::size_t{12 * 1024}, std::size_t{20 * 1024}}) {
        const FileWriteResult written = store.writeWhole(path, std::string(size, '7'));
        EXPECT_FALSE(written.ok) << size;
        EXPECT_EQ(written.problem, FileProblem::DiskFull) << size;
        EXPECT_EQ(contentOf(path), saved) << size;
    }
    fs::remove(disk.file("filler"));
    EXPECT_EQ(namesIn(fs::path(path).parent_path()), std::vector<std::string>{"design.DAT"});
}

TEST(DiskFilesOnTheirOwnDisk, ADeviceIsNeitherReplacedNorRead) {
    const ScratchMount disk = ScratchMount::tmpfs("64k");
    if (const auto why = disk.whyNot()) {
        GTEST_SKIP() << *why;
    }
    const std::string device = disk.file("null.DAT");
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    DiskFileStore store;
    EXPECT_EQ(store.writeWhole(device, "x").problem, FileProblem::NotAPlainFile);
    EXPECT_EQ(store.readStart(device, 10).problem, FileProblem::NotAPlainFile);
    struct stat info {};
    ASSERT_EQ(::stat(device.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(DiskFilesOnTheirOwnDisk, AReadOnlyDiskKeepsTheOldFile) {
    TempFolder folder;
    writeFile(folder.file("d.DAT"), "old");
    const ScratchMount view = ScratchMount::readOnlyView(folder.path().string());
    if (const auto why = view.whyNot()) {
        GTEST_SKIP() << *why;
    }
    DiskFileStore store;
    const FileWriteResult written = store.writeWhole(view.file("d.DAT"), "new");
    EXPECT_EQ(written.problem, FileProblem::ReadOnlyFileSystem);
    EXPECT_EQ(store.writeWhole(view.file("other.DAT"), "new").problem,
              FileProblem::ReadOnlyFileSystem);
    EXPECT_EQ(contentOf(folder.file("d.DAT")), "old");
}

// A process killed while it saves leaves the old file or the new one,
// complete, and nothing else.
TEST(DiskFilesKilled, TwentyKillsDuringASaveLeaveTheOldOrTheNewFileWhole) {
    TempFolder folder;
    const std::string path = folder.file("wall.ASC");
    const std::string before(16 * 1024 * 1024, 'o');
    const std::string after(16 * 1024 * 1024, 'n');
    // Kills fall anywhere in the time one save takes here.
    writeFile(path, before);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(DiskFileStore().writeWhole(path, after).ok);
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> delay(0, saveTime.count() + 1000);
    int sawOld = 0;
    int sawNew = 0;
    for (int trial = 0; trial < 20; ++trial) {
        writeFile(path, before);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DiskFileStore store;
            const bool ok = store.writeWhole(path, after).ok;
            ::_exit(ok ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string left = contentOf(path);
        ASSERT_TRUE(left == before || left == after) << "trial " << trial << ": " << left.size();
        (left == before ? sawOld : sawNew) += 1;
        // A kill between naming the new file and moving it into place
        // leaves it under a hidden name of ours, nothing else.
        for (const std::string& name : namesIn(folder.path())) {
            EXPECT_TRUE(name == "wall.ASC" || name.starts_with(".wall.ASC.pitwright-"))
                << trial << ": " << name;
        }
    }
    std::cout << "old file left " << sawOld << " times, new file " << sawNew << " times\n";
    ASSERT_TRUE(DiskFileStore().writeWhole(path, before).ok);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"wall.ASC"});
}

// The next save clears what a killed one left, and only that.
TEST(DiskFilesKilled, TheNextSaveRemovesTheLeftoversOfSavesThatDied) {
    TempFolder folder;
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        ::_exit(0);
    }
    ::waitpid(gone, nullptr, 0);
    const std::string ofTheDead =
        ".wall.ASC.pitwright-" + std::to_string(gone) + "-00000000000000ab";
    const std::string ofTheLiving =
        ".wall.ASC.pitwright-" + std::to_string(::getppid()) + "-00000000000000cd";
    for (const std::string& name :
         {ofTheDead, ofTheLiving, std::string(".wall.ASC.pitwright-x"),
          std::string(".other.ASC.pitwright-") + std::to_string(gone) + "-00000000000000ef"}) {
        writeFile(folder.file(name), "left");
    }
    ASSERT_TRUE(DiskFileStore().writeWhole(folder.file("wall.ASC"), "new").ok);
    const std::vector<std::string> left = namesIn(folder.path());
    EXPECT_EQ(std::count(left.begin(), left.end(), ofTheDead), 0);
    EXPECT_EQ(left.size(), 4U);
}

} // namespace
} // namespace pitwright::testing
