// File: AllocationCounter.h
// The benchmark program replaces the global operator new and delete to
// count heap allocations and bytes, in this program and in the libraries it
// loads (they resolve operator new to the program's). Memory that a library
// takes with malloc itself (ICU does) is not counted here; HeapInUse covers
// it.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace vok_bench {

struct AllocationCount {
  std::uint64_t allocations = 0;
  std::uint64_t bytes = 0;  // requested by every allocation so far
};

AllocationCount CountedAllocations();

// Bytes in use on the whole malloc heap (operator new and plain malloc,
// with malloc's own overhead per block).
std::int64_t HeapInUse();

// Adds the counters "allocs/op" and "bytes/op": what was allocated since
// start, averaged over the iterations run.
void ReportAllocationsSince(benchmark::State& state, const AllocationCount& start);

}  // namespace vok_bench
