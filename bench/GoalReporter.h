// File: GoalReporter.h
// The console report, followed by two tables computed from the same run:
// the module's date text times beside its peers' (with their ratios), and
// the speed and memory goals with the figures measured. Times are CPU time
// per operation; with --benchmark_repetitions the medians are used.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>

namespace vok_bench {

class GoalReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Figures {
    double nanoseconds = 0;
    std::map<std::string, double> counters;
  };

  // Null when the benchmark did not run (filtered out, or failed).
  const Figures* Find(const std::string& name) const;
  void PrintPeers(std::ostream& out) const;
  void PrintGoals(std::ostream& out) const;

  std::map<std::string, Figures> _figures;
};

}  // namespace vok_bench
