// Runs the registered benchmarks and prints, after the usual table, each
// measured operation's time as a ratio of its reference (usually a memcpy
// of the same bytes) beside its target:
//
//   BlendSameSize/1920x1080 = 1.42 x memcpy/1920x1080 (target <= 2)
//
// Ratios use CPU time: one thread does the work, and a busy machine then
// slows both sides alike instead of whichever ran during a burst. A
// benchmark run with repetitions is also known by its aggregates
// ("start-up/iterations:1/repeats:15_median"), so a target can name the
// median.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct TRatioTarget {
  std::string Measured;   // benchmark name
  std::string Reference;  // benchmark name of the reference
  double Target;          // at most this many times the reference
};

// An operation whose cost matters in itself (one frame of an animation).
struct TTimeTarget {
  std::string Measured;  // benchmark name
  double TargetMs;       // at most this many milliseconds of CPU time
};

// A part of a job beside the whole of it: the part's share of the time should
// follow its share of the work (a dirty rectangle's share of the frame),
// give or take what a small job costs per call.
struct TShareTarget {
  std::string Part;   // benchmark name
  std::string Whole;  // benchmark name
  double WorkShare;   // the part's share of the whole's work, 0 to 1
  double Slack;       // its share of the time may be at most Slack x WorkShare
};

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred)
        times_[run.benchmark_name()] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    ConsoleReporter::ReportRuns(runs);
  }
  // Prints the ratios; answers false when one misses its target.
  bool PrintRatios(const std::vector<TRatioTarget>& targets) const {
    bool met = true;
    std::printf("\n");
    for (const TRatioTarget& t : targets) {
      const auto measured = times_.find(t.Measured);
      const auto reference = times_.find(t.Reference);
      if (measured == times_.end() || reference == times_.end() || reference->second <= 0) {
        NotMeasured(t.Measured);
        continue;
      }
      const double ratio = measured->second / reference->second;
      const bool ok = ratio <= t.Target;
      met = met && ok;
      std::printf("%-36s = %5.2f x %s (target <= %g)%s\n", t.Measured.c_str(), ratio, t.Reference.c_str(),
                  t.Target, ok ? "" : "  MISSED");
    }
    return met;
  }
  bool PrintShares(const std::vector<TShareTarget>& targets) const {
    bool met = true;
    for (const TShareTarget& t : targets) {
      const auto part = times_.find(t.Part);
      const auto whole = times_.find(t.Whole);
      if (part == times_.end() || whole == times_.end() || whole->second <= 0 || t.WorkShare <= 0) {
        NotMeasured(t.Part);
        continue;
      }
      const double share = part->second / whole->second;
      const bool ok = share <= t.Slack * t.WorkShare;
      met = met && ok;
      std::printf("%-36s = %.4f of %s for %.4f of its work: %.2f x (target <= %g x)%s\n", t.Part.c_str(), share,
                  t.Whole.c_str(), t.WorkShare, share / t.WorkShare, t.Slack, ok ? "" : "  MISSED");
    }
    return met;
  }
  bool PrintTimes(const std::vector<TTimeTarget>& targets) const {
    bool met = true;
    for (const TTimeTarget& t : targets) {
      const auto measured = times_.find(t.Measured);
      if (measured == times_.end()) {
        NotMeasured(t.Measured);
        continue;
      }
      const double ms = measured->second * 1e3;
      const bool ok = ms <= t.TargetMs;
      met = met && ok;
      std::printf("%-36s = %7.4f ms (target <= %g ms)%s\n", t.Measured.c_str(), ms, t.TargetMs, ok ? "" : "  MISSED");
    }
    return met;
  }

 private:
  // A filtered run leaves figures out; a misspelt target would too, so it is
  // named rather than passed over in silence.
  static void NotMeasured(const std::string& name) { std::printf("%-36s : not measured\n", name.c_str()); }

  std::map<std::string, double> times_;  // seconds of CPU time per iteration
};

// main() of a benchmark program with ratio targets.
inline int RunWithRatios(int argc, char** argv, const std::vector<TRatioTarget>& targets,
                         const std::vector<TTimeTarget>& times = {},
                         const std::vector<TShareTarget>& shares = {}) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const bool ratiosMet = reporter.PrintRatios(targets);
  const bool timesMet = reporter.PrintTimes(times);
  const bool sharesMet = reporter.PrintShares(shares);
  return ratiosMet && timesMet && sharesMet ? 0 : 2;
}
