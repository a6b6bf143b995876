#include "TargetReporter.h"

#include <algorithm>
#include <ostream>

namespace velm
{

void TargetReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    // A benchmark repeated is judged by its median, which one slow repetition on a busy
    // machine does not move; a single run by itself.
    const bool repeated = std::any_of(
        runs.begin(), runs.end(), [](const Run& run) { return run.run_type == Run::RT_Aggregate; });
    for (const Run& run : runs) {
        if (repeated ? run.aggregate_name == "median" : run.run_type == Run::RT_Iteration)
            check(run);
    }
}

void TargetReporter::check(const Run& run)
{
    const std::string name = run.benchmark_name();
    if (run.error_occurred) {
        m_misses.push_back(name + ": " + run.error_message);
        return;
    }
    if (const auto target = run.counters.find("target_ms"); target != run.counters.end()) {
        ++m_checked;
        const double ms = run.real_accumulated_time / static_cast<double>(run.iterations) * 1000;
        if (ms > target->second.value)
            m_misses.push_back(name + ": " + std::to_string(ms) + " ms, target " +
                               std::to_string(target->second.value) + " ms");
        return;
    }
    if (const auto ratio = run.counters.find("x_raw"); ratio != run.counters.end()) {
        ++m_checked;
        if (ratio->second.value > kMaxTimesRaw)
            m_misses.push_back(name + ": " + std::to_string(ratio->second.value) +
                               " times its raw read or write");
    }
}

void TargetReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    for (const std::string& miss : m_misses)
        out << "TARGET MISSED  " << miss << "\n";
    if (m_misses.empty())
        out << "All " << m_checked << " targets met.\n";
}

} // namespace velm
