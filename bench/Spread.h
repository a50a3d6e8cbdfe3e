// File: Minimum.h
// Every benchmark also reports the minimum over its repetitions: on a
// machine shared with other work, the fastest repetition is the one least
// disturbed, and so the most repeatable figure.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vok_bench {

inline void AddMinimum(benchmark::internal::Benchmark* benchmark) {
  benchmark->ComputeStatistics("min", [](const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
  });
}

}  // namespace vok_bench

// BENCHMARK with the minimum added.
#define VOK_BENCHMARK(function) BENCHMARK(function)->Apply(vok_bench::AddMinimum)
