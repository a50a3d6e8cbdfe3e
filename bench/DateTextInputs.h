// File: DateTextInputs.h
// The date texts every text benchmark reads, the module and its peers
// alike, so that their times compare: a real date, a date of the right
// shape that does not exist, and a text of the wrong shape.
#pragma once

#include <benchmark/benchmark.h>

#include "bench/Spread.h"

namespace vok_bench {

inline constexpr const char* kValidDate = "06/15/2025";
inline constexpr const char* kInvalidValue = "02/30/2024";
inline constexpr const char* kInvalidFormat = "06-15-2025";

// The verdict of the host locale's date text on text, as the calendar's
// codes: INVALID_FORMAT, INVALID_VALUE or VALID_DATE.
int DateTextVerdict(const char* text);

// Prints once how each reader takes 02/30/2024.
void PrintRolloverNote();

}  // namespace vok_bench

// Registers a benchmark taking (state, text) once for each input.
#define VOK_BENCH_DATE_TEXTS(function)                                                    \
  BENCHMARK_CAPTURE(function, valid, vok_bench::kValidDate)->Apply(vok_bench::AddSpread); \
  BENCHMARK_CAPTURE(function, invalid_value, vok_bench::kInvalidValue)                    \
      ->Apply(vok_bench::AddSpread);                                                      \
  BENCHMARK_CAPTURE(function, invalid_format, vok_bench::kInvalidFormat)                  \
      ->Apply(vok_bench::AddSpread)
