#include "bench/AllocationCount.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace pitwright::bench {
namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> heldAtReset{0};

void* counted(void* block) {
    if (block == nullptr) {
        return nullptr;
    }
    const std::size_t now = held.fetch_add(malloc_usable_size(block)) + malloc_usable_size(block);
    std::size_t highest = peak.load(std::memory_order_relaxed);
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return block;
}

void* allocate(std::size_t size) {
    if (void* block = counted(std::malloc(size == 0 ? 1 : size))) {
        return block;
    }
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    const auto align = std::max(static_cast<std::size_t>(alignment), sizeof(void*));
    const std::size_t rounded = (std::max<std::size_t>(size, 1) + align - 1) / align * align;
    if (void* block = counted(std::aligned_alloc(align, rounded))) {
        return block;
    }
    throw std::bad_alloc();
}

void release(void* block) noexcept {
    if (block != nullptr) {
        held.fetch_sub(malloc_usable_size(block));
        std::free(block);
    }
}

} // namespace

std::size_t bytesInUse() {
    return held.load();
}

void resetPeak() {
    heldAtReset = held.load();
    peak = heldAtReset.load();
}

std::size_t peakSinceReset() {
    return peak.load() - heldAtReset.load();
}

} // namespace pitwright::bench

using pitwright::bench::allocate;
using pitwright::bench::allocateAligned;
using pitwright::bench::release;

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return pitwright::bench::counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return pitwright::bench::counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    release(block);
}
