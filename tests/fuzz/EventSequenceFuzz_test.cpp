#include "fuzz/EventSequenceFuzzer.h"

#include <gtest/gtest.h>

namespace pitwright::testing {
namespace {

// A million actions in all: 100 fixed seeds of 10,000 actions, each on a
// freshly loaded window.
constexpr std::uint32_t kSeeds = 100;
constexpr std::size_t kEventsPerSeed = 10'000;

TEST(EventSequenceFuzz, AMillionRandomActionsKeepEveryInvariant) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        EventSequenceFuzzer fuzzer(seed);
        const std::string broken = fuzzer.run(kEventsPerSeed);
        ASSERT_EQ(broken, "") << "seed " << seed;
    }
}

} // namespace
} // namespace pitwright::testing
