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
    const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
    // Millions of lines in a file as large as the program reads are judged by the time a
    // user waits, not against the one pass of the raw read.
    if (name.find("ShortTagLines") != std::string::npos) {
        ++m_checked;
        if (seconds > kMaxLargeImportSeconds)
            m_misses.push_back(name + ": " + std::to_string(seconds) + " s for the file");
        return;
    }
    if (const auto ratio = run.counters.find("x_raw"); ratio != run.counters.end()) {
        ++m_checked;
        if (ratio->second.value > kMaxTimesRaw)
            m_misses.push_back(name + ": " + std::to_string(ratio->second.value) +
                               " times its raw read or write");
    }
    if (const auto target = run.counters.find("target_ms"); target != run.counters.end()) {
        ++m_checked;
        if (seconds * 1000 > target->second.value)
            m_misses.push_back(name + ": " + std::to_string(seconds * 1000) + " ms, target " +
                               std::to_string(target->second.value) + " ms");
    }
    if (name.find("StartWindow") != std::string::npos) {
        ++m_checked;
        if (seconds > kMaxStartupSeconds)
            m_misses.push_back(name + ": " + std::to_string(seconds) + " s to the first card");
    }
    if (name.find("PreviewFirstPage") != std::string::npos) {
        ++m_checked;
        if (seconds > kMaxFirstPageSeconds)
            m_misses.push_back(name + ": " + std::to_string(seconds) + " s to the first page");
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
