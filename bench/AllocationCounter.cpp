// File: AllocationCounter.cpp
// The replaced operator new and delete. The benchmarks run on one thread,
// so the counts are plain integers.
#include "bench/AllocationCounter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

vok_bench::AllocationCount counted;

// Counting stays cheap, so that it hardly adds to the times measured;
// what stays allocated is asked of malloc instead (HeapInUse).
void* CountedAllocate(std::size_t size) noexcept {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block != nullptr) {
    ++counted.allocations;
    counted.bytes += size;
  }
  return block;
}

void CountedRelease(void* block) noexcept { std::free(block); }

void* AllocateOrThrow(std::size_t size) {
  void* block = CountedAllocate(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return CountedAllocate(size);
}
void operator delete(void* block) noexcept { CountedRelease(block); }
void operator delete[](void* block) noexcept { CountedRelease(block); }
void operator delete(void* block, std::size_t) noexcept { CountedRelease(block); }
void operator delete[](void* block, std::size_t) noexcept { CountedRelease(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { CountedRelease(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { CountedRelease(block); }

namespace vok_bench {

AllocationCount CountedAllocations() { return counted; }

std::int64_t HeapInUse() { return static_cast<std::int64_t>(mallinfo2().uordblks); }

void ReportAllocationsSince(benchmark::State& state, const AllocationCount& start) {
  const AllocationCount now = counted;
  state.counters["allocs/op"] = benchmark::Counter(
      static_cast<double>(now.allocations - start.allocations), benchmark::Counter::kAvgIterations);
  state.counters["bytes/op"] = benchmark::Counter(static_cast<double>(now.bytes - start.bytes),
                                                  benchmark::Counter::kAvgIterations);
}

}  // namespace vok_bench
