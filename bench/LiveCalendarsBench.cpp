// File: LiveCalendarsBench.cpp
// One calendar's costs while many others live under the same window:
// opening one, one day pressed in the oldest, and releasing the oldest or
// the newest. Figures flat from 1 to 10,000 live calendars show that each
// step touches only its own calendar's registrations. Only the step named
// is timed; what keeps the count of live calendars steady is not.
#include <benchmark/benchmark.h>

#include <deque>

#include "bench/BenchHost.h"
#include "bench/Spread.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

void LiveCounts(benchmark::internal::Benchmark* benchmark) {
  benchmark->RangeMultiplier(10)->Range(1, 10000)->Unit(benchmark::kMicrosecond);
}

// The calendars open under one host window, oldest first.
class LiveCalendars {
 public:
  LiveCalendars(VOKDialog* parent, benchmark::IterationCount count) : _parent(parent) {
    for (benchmark::IterationCount i = 0; i < count; ++i) OpenNewest();
  }
  ~LiveCalendars() {
    while (!_calendars.empty()) ReleaseNewest();
  }
  LiveCalendars(const LiveCalendars&) = delete;
  LiveCalendars& operator=(const LiveCalendars&) = delete;

  VOKQELNavCalendarUI* Oldest() const { return _calendars.front(); }
  void OpenNewest() { _calendars.push_back(vok_bench::OpenCalendar(_parent)); }
  void ReleaseOldest() {
    vok_bench::ReleaseCalendar(_calendars.front());
    _calendars.pop_front();
  }
  void ReleaseNewest() {
    vok_bench::ReleaseCalendar(_calendars.back());
    _calendars.pop_back();
  }

 private:
  VOKDialog* _parent;
  std::deque<VOKQELNavCalendarUI*> _calendars;
};

using Change = void (LiveCalendars::*)();

// Times step on every iteration; restore, untimed, brings the number of
// live calendars back.
void TimeAmongLive(benchmark::State& state, Change step, Change restore) {
  vok_bench::HostWindow host;
  LiveCalendars live(host.dialog(), state.range(0));
  for (auto _ : state) {
    (live.*step)();
    state.PauseTiming();
    (live.*restore)();
    state.ResumeTiming();
  }
}

void BM_LiveCalendarsOpen(benchmark::State& state) {
  TimeAmongLive(state, &LiveCalendars::OpenNewest, &LiveCalendars::ReleaseNewest);
}

// Days 15 and 16 in turn: the marked day cannot be pressed.
void BM_LiveCalendarsSend(benchmark::State& state) {
  vok_bench::HostWindow host;
  LiveCalendars live(host.dialog(), state.range(0));
  VOKDlgPushButton* days[] = {vok_bench::Find<VOKDlgPushButton>(live.Oldest(), "15"),
                              vok_bench::Find<VOKDlgPushButton>(live.Oldest(), "16")};
  int next = 0;
  for (auto _ : state) {
    if (!VOKDlgUser::Press(days[next])) {
      state.SkipWithError("the day cannot be pressed");
      break;
    }
    next = 1 - next;
  }
}

void BM_LiveCalendarsReleaseOldest(benchmark::State& state) {
  TimeAmongLive(state, &LiveCalendars::ReleaseOldest, &LiveCalendars::OpenNewest);
}

void BM_LiveCalendarsReleaseNewest(benchmark::State& state) {
  TimeAmongLive(state, &LiveCalendars::ReleaseNewest, &LiveCalendars::OpenNewest);
}

VOK_BENCHMARK(BM_LiveCalendarsOpen)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsSend)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsReleaseOldest)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsReleaseNewest)->Apply(LiveCounts);

}  // namespace
