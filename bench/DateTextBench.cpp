// File: DateTextBench.cpp
// Judging and reading typed date text with the date text of the host's
// locale, the value every calendar for date text delegates to.
#include <benchmark/benchmark.h>

#include "base_runtime/VOKHostSettings.h"
#include "bench/AllocationCounter.h"
#include "bench/BenchHost.h"
#include "bench/DateTextInputs.h"
#include "services/VOKDateText.h"

namespace {

using Verdict = VOKDateText::Verdict;

// Runs check(dates, text) on the date text of the bench host's locale;
// "accepted" is the share of checks that found a date.
template <class Check>
void RunDateTextCheck(benchmark::State& state, const char* text, Check check) {
  vok_bench::PrepareHost();
  const VOKDateText dates(VOKHostSettings::Current());
  const VOKUnicodeString input(text);
  long accepted = 0;
  const vok_bench::AllocationCount start = vok_bench::CountedAllocations();
  for (auto _ : state) accepted += check(dates, input) ? 1 : 0;
  vok_bench::ReportAllocationsSince(state, start);
  state.counters["accepted"] =
      benchmark::Counter(static_cast<double>(accepted), benchmark::Counter::kAvgIterations);
}

bool Judge(const VOKDateText& dates, const VOKUnicodeString& text) {
  const Verdict result = dates.Judge(text);
  benchmark::DoNotOptimize(result);
  return result == Verdict::ValidDate;
}

bool Read(const VOKDateText& dates, const VOKUnicodeString& text) {
  VOKTime time;
  const Verdict result = dates.Read(text, time);
  benchmark::DoNotOptimize(time);
  return result == Verdict::ValidDate;
}

void BM_DateTextJudge(benchmark::State& state, const char* text) {
  RunDateTextCheck(state, text, Judge);
}
VOK_BENCH_DATE_TEXTS(BM_DateTextJudge);

void BM_DateTextRead(benchmark::State& state, const char* text) {
  RunDateTextCheck(state, text, Read);
}
VOK_BENCH_DATE_TEXTS(BM_DateTextRead);

// What a field's owner does: judge the text, then read it.
void BM_JudgeThenRead(benchmark::State& state, const char* text) {
  RunDateTextCheck(state, text, [](const VOKDateText& dates, const VOKUnicodeString& input) {
    return Judge(dates, input) && Read(dates, input);
  });
}
VOK_BENCH_DATE_TEXTS(BM_JudgeThenRead);

}  // namespace

namespace vok_bench {

int DateTextVerdict(const char* text) {
  PrepareHost();
  return static_cast<int>(VOKDateText(VOKHostSettings::Current()).Judge(text));
}

}  // namespace vok_bench
