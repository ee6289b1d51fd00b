// A longer run of the event-sequence fuzzer with random seeds:
//   pitwright_event_fuzz [seconds] [seed]
#include "fuzz/EventSequenceFuzzer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    std::uint32_t seed = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10))
                                  : std::random_device{}();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::size_t total = 0;
    std::size_t drawings = 0;
    for (; std::chrono::steady_clock::now() < deadline; ++seed) {
        pitwright::testing::EventSequenceFuzzer fuzzer(seed);
        const std::string broken = fuzzer.run(10'000);
        total += fuzzer.eventsRun();
        drawings += fuzzer.drawings();
        if (!broken.empty()) {
            std::printf("seed %u broke an invariant: %s\n", seed, broken.c_str());
            return 1;
        }
    }
    std::printf("%zu actions, %zu drawings, last seed %u: every invariant held\n", total, drawings,
                seed - 1);
    return 0;
}
