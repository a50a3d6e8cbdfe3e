// File: CalendarBench.cpp
// The calendar as a host uses it: open and release one, the heap a live
// one holds, and the user's month and year changes.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/AllocationCounter.h"
#include "bench/BenchHost.h"
#include "bench/Spread.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

using vok_bench::CountedAllocations;
using vok_bench::HostWindow;

constexpr int kMonths = 12;
constexpr int kLiveCalendars = 64;

void BM_CalendarOpenRelease(benchmark::State& state) {
  HostWindow host;
  vok_bench::ReleaseCalendar(vok_bench::OpenCalendar(host.dialog()));  // fills the host's caches
  const vok_bench::AllocationCount start = CountedAllocations();
  for (auto _ : state) {
    VOKQELNavCalendarUI* calendar = vok_bench::OpenCalendar(host.dialog());
    benchmark::DoNotOptimize(calendar);
    vok_bench::ReleaseCalendar(calendar);
  }
  vok_bench::ReportAllocationsSince(state, start);
}
VOK_BENCHMARK(BM_CalendarOpenRelease)->Unit(benchmark::kMicrosecond);

// The same with the settings read from the environment, as in a host run
// without test overrides: LANG=en_US.UTF-8, no Thai setting.
void BM_CalendarOpenReleaseLocaleFromEnvironment(benchmark::State& state) {
  const vok_bench::EnvironmentLocale locale("en_US.UTF-8");
  BM_CalendarOpenRelease(state);
}
VOK_BENCHMARK(BM_CalendarOpenReleaseLocaleFromEnvironment)->Unit(benchmark::kMicrosecond);

// Opens a batch of calendars and measures the heap they hold together
// before releasing them (malloc's overhead and ICU's own allocations
// included). The time includes the measuring.
void BM_CalendarHeldBytes(benchmark::State& state) {
  HostWindow host;
  vok_bench::ReleaseCalendar(vok_bench::OpenCalendar(host.dialog()));
  std::vector<VOKQELNavCalendarUI*> calendars;
  calendars.reserve(kLiveCalendars);
  double heap = 0;
  for (auto _ : state) {
    const std::int64_t heapBefore = vok_bench::HeapInUse();
    for (int i = 0; i < kLiveCalendars; ++i) {
      calendars.push_back(vok_bench::OpenCalendar(host.dialog()));
    }
    heap += static_cast<double>(vok_bench::HeapInUse() - heapBefore);
    for (VOKQELNavCalendarUI* calendar : calendars) {
      calendar->SetVisibility(VOKDlgVisibility::Hidden);
      calendar->RequestDelayedDestruction();
    }
    VOKCommand::FlushDelayedDestructions();
    calendars.clear();
  }
  const double opened = static_cast<double>(state.iterations()) * kLiveCalendars;
  state.counters["heap/calendar"] = heap / opened;
}
VOK_BENCHMARK(BM_CalendarHeldBytes)->Unit(benchmark::kMicrosecond);

// Every month in turn, as the user picks them in the combo.
void BM_MonthChange(benchmark::State& state) {
  HostWindow host;
  VOKQELNavCalendarUI* calendar = vok_bench::OpenCalendar(host.dialog());
  auto* combo = vok_bench::Find<VOKDlgCombo>(calendar, "MonthCombo");
  int line = 0;
  const vok_bench::AllocationCount start = CountedAllocations();
  for (auto _ : state) {
    line = (line + 1) % kMonths;
    if (!VOKDlgUser::Choose(combo, line)) {
      state.SkipWithError("the month combo cannot be reached");
      break;
    }
  }
  vok_bench::ReportAllocationsSince(state, start);
  vok_bench::ReleaseCalendar(calendar);
}
VOK_BENCHMARK(BM_MonthChange);

// Up one year, then down again, so the year stays inside the bounds; no
// step may be refused (a refusal would show a message box).
void BM_YearStep(benchmark::State& state) {
  HostWindow host;
  VOKQELNavCalendarUI* calendar = vok_bench::OpenCalendar(host.dialog());
  auto* spinner = vok_bench::Find<VOKDlgSpinner>(calendar, "YearSpinner");
  const int boxesBefore = vok_bench::BoxesShown();
  bool up = true;
  const vok_bench::AllocationCount start = CountedAllocations();
  for (auto _ : state) {
    const bool stepped = up ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner);
    if (!stepped) {
      state.SkipWithError("the year spinner cannot be reached");
      break;
    }
    up = !up;
  }
  vok_bench::ReportAllocationsSince(state, start);
  if (vok_bench::BoxesShown() != boxesBefore) state.SkipWithError("a year step was refused");
  vok_bench::ReleaseCalendar(calendar);
}
VOK_BENCHMARK(BM_YearStep);

}  // namespace
