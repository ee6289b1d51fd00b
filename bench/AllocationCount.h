#pragma once

#include <cstddef>

// Counts what the benchmark program holds from operator new, for the peak
// memory of an action: every new and delete of the program goes through it.
namespace pitwright::bench {

// Bytes held now, as the allocator hands them out (a block's usable size).
std::size_t bytesInUse();

// Starts a new peak at what is held now.
void resetPeak();

// The most held since resetPeak, beyond what was held then.
std::size_t peakSinceReset();

} // namespace pitwright::bench
