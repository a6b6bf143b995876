#include "RawIo.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace velm
{

namespace
{

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int OpenOrThrow(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    return fd;
}

void WriteAllOrThrow(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0)
            throw std::runtime_error("raw write failed");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

void RawRead(const std::string& path, std::string& buffer)
{
    const int fd = OpenOrThrow(path, O_RDONLY);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    benchmark::DoNotOptimize(buffer.data());
}

void RawWrite(const std::string& path, std::string_view bytes)
{
    const int fd = OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC);
    WriteAllOrThrow(fd, bytes);
    ::close(fd);
}

void RawDurableWrite(const std::string& path, std::string_view bytes)
{
    const int fd = OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC);
    WriteAllOrThrow(fd, bytes);
    ::fsync(fd);
    ::close(fd);
}

void TimeBesideRaw(benchmark::State& state, std::size_t bytes,
                   const std::function<void()>& operation, const std::vector<Yardstick>& yardsticks)
{
    const Clock::time_point operationStart = Clock::now();
    for (auto _ : state)
        operation();
    const double operationMs = MillisecondsSince(operationStart);

    const auto runs = static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["op_ms"] = operationMs / runs;
    for (const auto& [name, raw] : yardsticks) {
        const Clock::time_point rawStart = Clock::now();
        for (benchmark::IterationCount i = 0; i < state.iterations(); ++i)
            raw();
        const double rawMs = MillisecondsSince(rawStart);
        state.counters[name + "_ms"] = rawMs / runs;
        state.counters["x_" + name] = operationMs / rawMs;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

} // namespace velm
