// File: GoalReporter.cpp
#include "GoalReporter.h"

#include <cstdio>
#include <initializer_list>

namespace vok_bench {
namespace {

constexpr const char* kInputs[] = {"valid", "invalid_value", "invalid_format"};
constexpr const char* kModule = "BM_ConvertToVOKTime";

struct Peer {
  const char* benchmark;
  const char* title;
};
constexpr Peer kPeers[] = {{"BM_StrptimeTimegm", "strptime+timegm"},
                           {"BM_StdGetTime", "std::get_time"},
                           {"BM_IcuSimpleDateFormat", "ICU parse"}};

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Time(double nanoseconds) {
  if (nanoseconds >= 1000) return Format("%.2f us", nanoseconds / 1000);
  return Format("%.1f ns", nanoseconds);
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
    // One run: its iterations; repetitions: their minimum.
    const bool minimum = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
    if (run.run_type == Run::RT_Aggregate && !minimum) continue;
    if (run.run_type == Run::RT_Iteration && run.repetitions > 1) continue;
    Figures& figures = _figures[run.run_name.str()];
    figures.nanoseconds =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    figures.counters.clear();
    for (const auto& [name, counter] : run.counters) figures.counters[name] = counter.value;
  }
}

void GoalReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  PrintPeers(out);
  PrintGoals(out);
}

const GoalReporter::Figures* GoalReporter::Find(const std::string& name) const {
  const auto found = _figures.find(name);
  return found == _figures.end() ? nullptr : &found->second;
}

void GoalReporter::PrintPeers(std::ostream& out) const {
  out << "\nDate text, CPU time per operation; (x) = peer time / ConvertToVOKTime time, "
         "above 1 the module is faster\n";
  char line[200];
  std::snprintf(line, sizeof line, "%-16s%-18s%-22s%-22s%-22s\n", "text", "ConvertToVOKTime",
                kPeers[0].title, kPeers[1].title, kPeers[2].title);
  out << line;
  for (const char* input : kInputs) {
    const Figures* module = Find(std::string(kModule) + "/" + input);
    if (module == nullptr) continue;
    std::snprintf(line, sizeof line, "%-16s%-18s", input, Time(module->nanoseconds).c_str());
    std::string row = line;
    for (const Peer& peer : kPeers) {
      const Figures* figures = Find(std::string(peer.benchmark) + "/" + input);
      const std::string cell =
          figures == nullptr ? "-"
                             : Time(figures->nanoseconds) +
                                   Format(" (%.2f)", figures->nanoseconds / module->nanoseconds);
      std::snprintf(line, sizeof line, "%-22s", cell.c_str());
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
              Time(open->nanoseconds) + Format(", %.0f allocs", allocations),
              open->nanoseconds < 10000 && allocations < 120);
  }
  if (const Figures* held = Find("BM_CalendarHeldBytes")) {
    const double heap = Counter(held->counters, "heap/calendar");
    PrintGoal(out, "heap per live calendar: < 16 KiB", Format("%.1f KiB", heap / 1024),
              heap < 16384);
  }
  if (const Figures* month = Find("BM_MonthChange")) {
    PrintGoal(out, "month change: < 1 us", Time(month->nanoseconds), month->nanoseconds < 1000);
  }
  // ConvertToVOKTime judges the text with validateDate, then converts it.
  const Figures* convert = Find("BM_ConvertToVOKTime/valid");
  const Figures* strptime = Find("BM_StrptimeTimegm/valid");
  if (convert != nullptr && strptime != nullptr) {
    PrintGoal(out, "ConvertToVOKTime (validateDate inside) <= strptime+timegm",
              Time(convert->nanoseconds) + " vs " + Time(strptime->nanoseconds),
              convert->nanoseconds <= strptime->nanoseconds);
  }
  if (const Figures* both = Find("BM_ValidateThenConvert/valid")) {
    out << "  (a caller's validateDate, then ConvertToVOKTime: " << Time(both->nanoseconds)
        << ")\n";
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
