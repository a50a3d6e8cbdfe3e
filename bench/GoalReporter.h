// File: GoalReporter.h
// The console report, followed by three tables computed from the same run:
// the module's date text times beside its peers' (with their ratios), one
// calendar's steps among 1 to 10,000 live ones, and the speed and memory
// goals with the figures measured. Times are CPU time
// per operation; with --benchmark_repetitions each is the median, shown
// with the fastest and the slowest repetition, and goals judge the median.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>

namespace vok_bench {

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  struct Figures {
    double nanoseconds = 0;  // the median
    double fastest = 0;
    double slowest = 0;
    std::map<std::string, double> counters;  // the median's
  };

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  // Null when the benchmark did not run (filtered out, or failed).
  const Figures* Find(const std::string& name) const;
  void PrintPeers(std::ostream& out) const;
  void PrintLive(std::ostream& out) const;
  void PrintGoals(std::ostream& out) const;

  std::map<std::string, Figures> _figures;
};

}  // namespace vok_bench
