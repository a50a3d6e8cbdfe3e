// File: GoalReporter.cpp
#include "bench/GoalReporter.h"

#include <cstdio>
#include <initializer_list>

namespace vok_bench {
namespace {

constexpr const char* kInputs[] = {"valid", "invalid_value", "invalid_format"};
constexpr const char* kModule = "BM_DateTextRead";

struct Peer {
  const char* benchmark;
  const char* title;
};
constexpr Peer kPeers[] = {{"BM_StrptimeTimegm", "strptime+timegm"},
                           {"BM_StdGetTime", "std::get_time"},
                           {"BM_IcuSimpleDateFormat", "ICU parse"}};

struct LiveStep {
  const char* benchmark;
  const char* title;
};
constexpr LiveStep kLiveSteps[] = {{"BM_LiveCalendarsOpen", "open"},
                                   {"BM_LiveCalendarsSend", "one send"},
                                   {"BM_LiveCalendarsReleaseOldest", "release oldest"},
                                   {"BM_LiveCalendarsReleaseOldestCold", "release, cold"},
                                   {"BM_LiveCalendarsReleaseNewest", "release newest"}};
constexpr const char* kLiveCounts[] = {"1", "10", "100", "1000", "10000"};

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Time(double nanoseconds) {
  if (nanoseconds >= 1000) return Format("%.2f us", nanoseconds / 1000);
  return Format("%.1f ns", nanoseconds);
}

// The median, then how far below and above it the fastest and the slowest
// repetition lay.
std::string Shown(const GoalReporter::Figures& figures) {
  const std::string median = Time(figures.nanoseconds);
  if (figures.fastest == figures.slowest || figures.nanoseconds <= 0) return median;
  return median + Format(" [-%.0f%%", 100 * (1 - figures.fastest / figures.nanoseconds)) +
         Format(",+%.0f%%]", 100 * (figures.slowest / figures.nanoseconds - 1));
}

double Counter(const std::map<std::string, double>& counters, const char* name) {
  const auto found = counters.find(name);
  return found == counters.end() ? 0 : found->second;
}

void PrintGoal(std::ostream& out, const char* goal, const std::string& measured, bool met) {
  char line[200];
  std::snprintf(line, sizeof line, "%-58s %-32s %s\n", goal, measured.c_str(),
                met ? "met" : "MISSED");
  out << line;
}

}  // namespace

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    // One run stands for all three figures; repetitions give each its own.
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    const bool aggregate = run.run_type == Run::RT_Aggregate;
    if (!single && !aggregate) continue;
    const bool median = single || run.aggregate_name == "median";
    const bool fastest = single || run.aggregate_name == "min";
    const bool slowest = single || run.aggregate_name == "max";
    const double nanoseconds =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    // Named by function and arguments only: a fixed iteration count would
    // add itself to the name.
    const auto& runName = run.run_name;
    Figures& figures = _figures[runName.args.empty() ? runName.function_name
                                                     : runName.function_name + "/" + runName.args];
    if (fastest) figures.fastest = nanoseconds;
    if (slowest) figures.slowest = nanoseconds;
    if (!median) continue;
    figures.nanoseconds = nanoseconds;
    figures.counters.clear();
    for (const auto& [name, counter] : run.counters) figures.counters[name] = counter.value;
  }
}

void GoalReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  PrintPeers(out);
  PrintLive(out);
  PrintGoals(out);
}

const GoalReporter::Figures* GoalReporter::Find(const std::string& name) const {
  const auto found = _figures.find(name);
  return found == _figures.end() ? nullptr : &found->second;
}

void GoalReporter::PrintPeers(std::ostream& out) const {
  out << "\nDate text, CPU time per operation; (x) = peer time / date text read time, "
         "above 1 the module is faster\n";
  char line[200];
  std::snprintf(line, sizeof line, "%-16s%-26s%-32s%-32s%-32s\n", "text", "date text read",
                kPeers[0].title, kPeers[1].title, kPeers[2].title);
  out << line;
  for (const char* input : kInputs) {
    const Figures* module = Find(std::string(kModule) + "/" + input);
    if (module == nullptr) continue;
    std::snprintf(line, sizeof line, "%-16s%-26s", input, Shown(*module).c_str());
    std::string row = line;
    for (const Peer& peer : kPeers) {
      const Figures* figures = Find(std::string(peer.benchmark) + "/" + input);
      const std::string cell =
          figures == nullptr
              ? "-"
              : Shown(*figures) + Format(" (%.2f)", figures->nanoseconds / module->nanoseconds);
      std::snprintf(line, sizeof line, "%-32s", cell.c_str());
      row += line;
    }
    out << row << "\n";
  }
}

void GoalReporter::PrintLive(std::ostream& out) const {
  out << "\nOne calendar among N live ones, CPU time per step\n";
  char line[200];
  std::snprintf(line, sizeof line, "%-16s", "step \\ N");
  std::string header = line;
  for (const char* count : kLiveCounts) {
    std::snprintf(line, sizeof line, "%-26s", count);
    header += line;
  }
  out << header << "\n";
  for (const LiveStep& step : kLiveSteps) {
    std::snprintf(line, sizeof line, "%-16s", step.title);
    std::string row = line;
    for (const char* count : kLiveCounts) {
      const Figures* figures = Find(std::string(step.benchmark) + "/" + count);
      std::snprintf(line, sizeof line, "%-26s", figures == nullptr ? "-" : Shown(*figures).c_str());
      row += line;
    }
    out << row << "\n";
  }
}

void GoalReporter::PrintGoals(std::ostream& out) const {
  out << "\nGoals\n";
  if (const Figures* open = Find("BM_CalendarOpenRelease")) {
    const double allocations = Counter(open->counters, "allocs/op");
    PrintGoal(out, "open+release a calendar: < 10 us, < 120 allocs",
              Shown(*open) + Format(", %.0f allocs", allocations),
              open->nanoseconds < 10000 && allocations < 120);
  }
  if (const Figures* held = Find("BM_CalendarHeldBytes")) {
    const double heap = Counter(held->counters, "heap/calendar");
    PrintGoal(out, "heap per live calendar: < 16 KiB", Format("%.1f KiB", heap / 1024),
              heap < 16384);
  }
  if (const Figures* month = Find("BM_MonthChange")) {
    PrintGoal(out, "month change: < 1 us", Shown(*month), month->nanoseconds < 1000);
  }
  // Reading judges the text, then reads the date from it.
  const Figures* convert = Find("BM_DateTextRead/valid");
  const Figures* strptime = Find("BM_StrptimeTimegm/valid");
  if (convert != nullptr && strptime != nullptr) {
    PrintGoal(out, "date text read (judgement inside) <= strptime+timegm",
              Shown(*convert) + " vs " + Shown(*strptime),
              convert->nanoseconds <= strptime->nanoseconds);
  }
  if (const Figures* both = Find("BM_JudgeThenRead/valid")) {
    out << "  (a caller's judgement, then the read: " << Shown(*both) << ")\n";
  }
  // From about 1,000 live calendars on, the oldest one's memory has left
  // the caches, which costs releasing it once; any work per live calendar
  // would still grow tenfold from 1,000 to 10,000. The cold row clears the
  // caches before every release, so that it is flat from 1 on.
  for (const LiveStep& step : kLiveSteps) {
    const Figures* some = Find(std::string(step.benchmark) + "/" + kLiveCounts[3]);
    const Figures* many = Find(std::string(step.benchmark) + "/" + kLiveCounts[4]);
    if (some == nullptr || many == nullptr) continue;
    PrintGoal(out, (std::string(step.title) + " among 10000 live: < twice among 1000").c_str(),
              Time(many->nanoseconds) + " vs " + Time(some->nanoseconds),
              many->nanoseconds < 2 * some->nanoseconds);
  }
  for (const char* key : {"Right", "PageDownUp", "Nothing"}) {
    if (const Figures* figures = Find(std::string("BM_KeyInCalendar/") + key)) {
      PrintGoal(out, (std::string("a key in a session's calendar (") + key + "): < 150 us").c_str(),
                Shown(*figures) + Format(", %.0f cells", Counter(figures->counters, "cells/key")),
                figures->nanoseconds < 150000);
    }
  }
  for (const char* name : {"BM_TraceOffRecord", "BM_TraceOffCalendarCall"}) {
    if (const Figures* trace = Find(name)) {
      const double allocations = Counter(trace->counters, "allocs/op");
      PrintGoal(out, (std::string("tracing off: no allocation (") + (name + 3) + ")").c_str(),
                Format("%.3f allocs/op", allocations), allocations == 0);
    }
  }
}

}  // namespace vok_bench
