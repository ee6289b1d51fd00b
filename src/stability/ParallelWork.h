#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

namespace pitwright::stability {

// Worker threads for `requested` (0: one per core, at most 8).
inline int workerCount(int requested) {
    if (requested > 0) {
        return requested;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

// Calls work(i, worker) once for every i in [0, count), spread over up to
// `workers` threads, the calling one among them (worker 0). Each call
// writes only its own results, so the outcome does not depend on how the
// indices fall to the threads.
template <class Work> void forEachIndexInParallel(std::size_t count, int workers, Work&& work) {
    const auto wanted = static_cast<std::size_t>(std::max(1, workers));
    const std::size_t used = std::min(wanted, std::max<std::size_t>(count, 1));
    std::atomic<std::size_t> next{0};
    auto run = [&](int worker) {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i, worker);
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < used; ++w) {
        try {
            threads.emplace_back(run, static_cast<int>(w));
        } catch (const std::system_error&) {
            break; // fewer threads: the calling one still does all that is left
        }
    }
    run(0);
    for (std::thread& t : threads) {
        t.join();
    }
}

} // namespace pitwright::stability
