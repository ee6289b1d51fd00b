#pragma once

// What the machine does with the same bytes, measured in the same run as the
// figure it is set against, and the clock both are timed by.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace pitwright::bench {

// Seconds taken by work().
template <typename Work> double secondsFor(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Large blocks come fresh from the system on every allocation and go back on
// release, as they do in a program that exports once. Without this the
// allocator keeps a freed block of tens of megabytes and hands it out again,
// and every figure after the first becomes a copy within warm memory.
void takeLargeBlocksFreshFromTheSystem();

// The same bytes copied into memory just allocated for them.
void copyIntoFreshMemory(std::string_view bytes);

// A file in the temporary folder, removed again at the end.
class TemporaryFile {
public:
    TemporaryFile();
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Empties the file and opens it for writing; -1 when it cannot.
    int openEmptied() const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Writes all of bytes to fd with write(), as often as it takes.
bool writeAll(int fd, std::string_view bytes);

// The same bytes written to the file with write(), from opening to closing.
void writeWithOneCall(const TemporaryFile& file, std::string_view bytes);

} // namespace pitwright::bench
