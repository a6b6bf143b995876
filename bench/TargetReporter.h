#pragma once

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace velm
{

// The console report, followed by a check of each result against its target: a benchmark
// that names its own target in the counter target_ms within that many milliseconds per
// iteration, and any other that is timed beside a plain-system-call yardstick (the counter
// x_raw) within kMaxTimesRaw of it.
class TargetReporter final : public benchmark::ConsoleReporter
{
  public:
    static constexpr double kMaxTimesRaw = 10.0;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    bool allTargetsMet() const { return m_misses.empty(); }

  private:
    void check(const Run& run);

    std::vector<std::string> m_misses;
    int m_checked = 0;
};

} // namespace velm
