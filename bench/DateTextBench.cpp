// File: DateTextBench.cpp
// The calendar's judgement and conversion of typed date text.
#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "bench/BenchHost.h"
#include "bench/DateTextInputs.h"

namespace {

// Runs check(calendar, text) on a calendar of the host's search form;
// "accepted" is the share of checks that found a date.
template <class Check>
void RunCalendarCheck(benchmark::State& state, const char* text, Check check) {
  vok_bench::HostWindow host;
  VOKQELNavCalendarUI* calendar = vok_bench::OpenCalendar(host.dialog());
  const VOKUnicodeString input(text);
  long accepted = 0;
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) accepted += check(*calendar, input) ? 1 : 0;
  vok_bench::ReportAllocationsSince(state, start);
  state.counters["accepted"] =
      benchmark::Counter(static_cast<double>(accepted), benchmark::Counter::kAvgIterations);
  vok_bench::ReleaseCalendar(calendar);
}

bool Validate(VOKQELNavCalendarUI& calendar, const VOKUnicodeString& text) {
  const int result = calendar.validateDate(text);
  benchmark::DoNotOptimize(result);
  return result == VOKQELNavCalendarUI::VALID_DATE;
}

bool Convert(VOKQELNavCalendarUI& calendar, const VOKUnicodeString& text) {
  VOKTime time;
  const int result = calendar.ConvertToVOKTime(text, time);
  benchmark::DoNotOptimize(time);
  return result == VOKQELNavCalendarUI::VALID_DATE;
}

void BM_ValidateDate(benchmark::State& state, const char* text) {
  RunCalendarCheck(state, text, Validate);
}
VOK_BENCH_DATE_TEXTS(BM_ValidateDate);

void BM_ConvertToVOKTime(benchmark::State& state, const char* text) {
  RunCalendarCheck(state, text, Convert);
}
VOK_BENCH_DATE_TEXTS(BM_ConvertToVOKTime);

// What a field's owner does: judge the text, then convert it.
void BM_ValidateThenConvert(benchmark::State& state, const char* text) {
  RunCalendarCheck(state, text, [](VOKQELNavCalendarUI& calendar, const VOKUnicodeString& input) {
    return Validate(calendar, input) && Convert(calendar, input);
  });
}
VOK_BENCH_DATE_TEXTS(BM_ValidateThenConvert);

}  // namespace

namespace vok_bench {

int CalendarVerdict(const char* text) {
  HostWindow host;
  VOKQELNavCalendarUI* calendar = OpenCalendar(host.dialog());
  const int verdict = calendar->validateDate(text);
  ReleaseCalendar(calendar);
  return verdict;
}

}  // namespace vok_bench
