#pragma once
// The benchmarks print their routines' times as multiples of a baseline run in the same binary. This
// reporter prints as usual and keeps each run's time per iteration for that summary.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qw::bench {

struct TRunTimes {
  double Real = 0, Cpu = 0;  // per iteration
};

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const TRunTimes t{r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
      if (r.run_type == Run::RT_Iteration) FTimes[r.benchmark_name()] = t;
      // A repeated benchmark is represented by its least disturbed repetition: the machine is shared.
      else if (r.aggregate_name == "min") FMinTimes[r.run_name.function_name] = t;
    }
  }
  // Times of a single run by its full name; null when it did not run or failed.
  const TRunTimes* Find(const std::string& name) const { return Lookup(FTimes, name); }
  // The best repetition of a repeated benchmark, by its function name.
  const TRunTimes* FindMin(const std::string& name) const { return Lookup(FMinTimes, name); }
  const std::map<std::string, TRunTimes>& Times() const { return FTimes; }

 private:
  static const TRunTimes* Lookup(const std::map<std::string, TRunTimes>& m, const std::string& name) {
    auto it = m.find(name);
    return it == m.end() ? nullptr : &it->second;
  }
  std::map<std::string, TRunTimes> FTimes, FMinTimes;
};

// Runs the benchmarks the command line selects and then prints the summary.
inline int RunWithSummary(int argc, char** argv, const std::function<void(const TRatioReporter&)>& summary) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  summary(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace qw::bench
