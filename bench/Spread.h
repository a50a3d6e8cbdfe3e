// File: Spread.h
// Every benchmark also reports the fastest and the slowest of its
// repetitions beside the median that Google Benchmark computes: the median
// is the figure judged, the range shows how much a shared machine moved it.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vok_bench {

inline void AddSpread(benchmark::internal::Benchmark* benchmark) {
  benchmark->ComputeStatistics("min", [](const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
  });
  benchmark->ComputeStatistics("max", [](const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
  });
}

}  // namespace vok_bench

// BENCHMARK with the spread added.
#define VOK_BENCHMARK(function) BENCHMARK(function)->Apply(vok_bench::AddSpread)
