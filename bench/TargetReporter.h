#pragma once

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace velm
{

// The console report, followed by a check of each result against its target: a file
// operation on a full store within kMaxTimesRaw of its plain-system-call yardstick, an
// import of a file as large as the program reads, of the shape that costs most, within
// kMaxLargeImportSeconds, the window with a full store on screen within
// kMaxStartupSeconds, the print preview of its notebook sheet showing its first page
// within kMaxFirstPageSeconds, and a benchmark that names its own target in the counter
// target_ms within that many milliseconds per iteration.
class TargetReporter final : public benchmark::ConsoleReporter
{
  public:
    static constexpr double kMaxTimesRaw = 10.0;
    static constexpr double kMaxLargeImportSeconds = 0.5;
    static constexpr double kMaxStartupSeconds = 0.3;
    static constexpr double kMaxFirstPageSeconds = 0.5;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    bool allTargetsMet() const { return m_misses.empty(); }

  private:
    void check(const Run& run);

    std::vector<std::string> m_misses;
    int m_checked = 0;
};

} // namespace velm
