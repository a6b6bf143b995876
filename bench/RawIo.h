#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velm
{

// The yardsticks: moving the same bytes with nothing but the system calls.

// Reads the whole file into `buffer`, sized beforehand, with plain read() calls.
void RawRead(const std::string& path, std::string& buffer);

// Writes `bytes` as a new file with plain write() calls.
void RawWrite(const std::string& path, std::string_view bytes);

// Writes `bytes` as a new file and flushes it to the disk, as a write that must survive a
// power cut does.
void RawDurableWrite(const std::string& path, std::string_view bytes);

// A yardstick by name, e.g. "raw" or "durable".
using Yardstick = std::pair<std::string, std::function<void()>>;

// Runs `operation` as the benchmark's timed loop, then each yardstick as many times, and
// reports the mean times in milliseconds as the counters "op_ms" and "<name>_ms", the
// ratios as "x_<name>", and the byte count as "bytes".
void TimeBesideRaw(benchmark::State& state, std::size_t bytes,
                   const std::function<void()>& operation,
                   const std::vector<Yardstick>& yardsticks);

} // namespace velm
