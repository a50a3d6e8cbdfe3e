// File: TraceBench.cpp
// Tracing switched off: a record guarded by the switch, alone and inside a
// traced operation of the calendar, must allocate nothing and write
// nothing.
#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "bench/BenchHost.h"
#include "bench/Spread.h"
#include "services/VOKTraceRecord.h"

namespace {

constexpr const char* kBenchClass = "VOKBenchTraced";

void FailIfRecorded(benchmark::State& state, long recordsBefore) {
  if (ImmersiveUITrace::RecordsEmitted() != recordsBefore) {
    state.SkipWithError("a record was written while tracing was off");
  }
}

void BM_TraceOffRecord(benchmark::State& state) {
  ImmersiveUITrace trace(kBenchClass);
  ImmersiveUITrace::SetSwitch(kBenchClass, false);
  int year = 2024;
  const long recordsBefore = ImmersiveUITrace::RecordsEmitted();
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) {
    VOK_TRACE(trace, "Year \"" << year << "\" is valid.");
    benchmark::DoNotOptimize(year);
  }
  vok_bench::ReportAllocationsSince(state, start);
  FailIfRecorded(state, recordsBefore);
}
VOK_BENCHMARK(BM_TraceOffRecord);

// GetMonth begins with its trace record.
void BM_TraceOffCalendarCall(benchmark::State& state) {
  vok_bench::HostWindow host;
  VOKQELNavCalendarUI* calendar = vok_bench::OpenCalendar(host.dialog());
  const long recordsBefore = ImmersiveUITrace::RecordsEmitted();
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) benchmark::DoNotOptimize(calendar->GetMonth());
  vok_bench::ReportAllocationsSince(state, start);
  FailIfRecorded(state, recordsBefore);
  vok_bench::ReleaseCalendar(calendar);
}
VOK_BENCHMARK(BM_TraceOffCalendarCall);

}  // namespace
