// File: LiveCalendarsBench.cpp
// One calendar's costs while many others live under the same window:
// opening one, one day pressed in the oldest, and releasing the oldest or
// the newest. Figures flat from 1 to 10,000 live calendars show that each
// step touches only its own calendar's registrations. Only the step named
// is timed; what keeps the count of live calendars steady is not.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <deque>
#include <vector>

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

// Reads a buffer twice the size of the last-level cache, pushing out what
// the calendars left there.
class CacheClearer {
 public:
  void operator()() {
    constexpr std::size_t kLine = 64;
    unsigned char sum = 0;
    for (std::size_t at = 0; at < _buffer.size(); at += kLine) sum += _buffer[at]++;
    benchmark::DoNotOptimize(sum);
  }

 private:
  std::vector<unsigned char> _buffer = std::vector<unsigned char>(std::size_t{64} << 20);
};

// Times step on every iteration; restore, untimed, brings the number of
// live calendars back. With clear, the caches are cleared before each step,
// so that every step finds the calendars' memory as cold as the oldest of
// thousands.
void TimeAmongLive(benchmark::State& state, Change step, Change restore,
                   CacheClearer* clear = nullptr) {
  vok_bench::HostWindow host;
  LiveCalendars live(host.dialog(), state.range(0));
  for (auto _ : state) {
    if (clear != nullptr) {
      state.PauseTiming();
      (*clear)();
      state.ResumeTiming();
    }
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

// The oldest calendar's memory has left the caches once a thousand others
// were opened after it; with caches cleared first, N live calendars cost
// the same from 1 on.
void BM_LiveCalendarsReleaseOldestCold(benchmark::State& state) {
  CacheClearer clear;
  TimeAmongLive(state, &LiveCalendars::ReleaseOldest, &LiveCalendars::OpenNewest, &clear);
}

void BM_LiveCalendarsReleaseNewest(benchmark::State& state) {
  TimeAmongLive(state, &LiveCalendars::ReleaseNewest, &LiveCalendars::OpenNewest);
}

VOK_BENCHMARK(BM_LiveCalendarsOpen)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsSend)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsReleaseOldest)->Apply(LiveCounts);
VOK_BENCHMARK(BM_LiveCalendarsReleaseOldestCold)->Apply(LiveCounts)->Iterations(300);
VOK_BENCHMARK(BM_LiveCalendarsReleaseNewest)->Apply(LiveCounts);

}  // namespace
