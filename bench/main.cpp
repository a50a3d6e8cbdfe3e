// File: main.cpp
// vok_bench: the host is put in a fixed state first (locale, today, silent
// message boxes, tracing off), so that every run measures the same work.
#include <benchmark/benchmark.h>

#include "bench/BenchHost.h"
#include "bench/DateTextInputs.h"
#include "bench/GoalReporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  vok_bench::PrepareHost();
  vok_bench::PrintRolloverNote();
  vok_bench::GoalReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
