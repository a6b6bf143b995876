#pragma once

#include <chrono>

namespace velm::test
{

// Seconds spent in `run`.
template <typename Function> double SecondsFor(Function&& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A generous bound for a few linear passes over tens of megabytes, even in an instrumented
// build on a busy machine; a pass that rescans a line per byte would take hours.
inline constexpr double kSecondsForHugeInput = 10.0;

} // namespace velm::test
