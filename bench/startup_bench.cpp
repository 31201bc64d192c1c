// Start-up: the desktop program from process start to the first paint of its main
// window, against an empty Qt window of the same size built beside it (the reference,
// measured in the same run). Each run is a fresh process, as when a student starts the
// program; its CPU time (user + system) and its peak resident memory come from the
// system's accounting of the finished child. The program ends itself after its first
// paint when QUORBEL_EXIT_AFTER_FIRST_PAINT is set; the reference always does.
//
// Without a display (DISPLAY unset) both run on Qt's offscreen platform.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "bench_folder.h"
#include "bench_ratio.h"

namespace quorbel::bench {

namespace {

struct ChildCost {
    double cpuSeconds = 0;
    double peakMegabytes = 0;
    bool ended = false;  // exited with status 0
};

// Runs `program` to its end with its settings in `config` (the user's own are never
// read or written) and returns what it cost.
ChildCost RunToFirstPaint(const char* program, const std::string& config) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        ::setenv("QUORBEL_EXIT_AFTER_FIRST_PAINT", "1", 1);
        if (!std::getenv("DISPLAY")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // What the programs say (Qt's notes on a missing runtime folder) is not kept.
        if (std::FILE* quiet = std::fopen("/dev/null", "w")) {
            ::dup2(::fileno(quiet), STDOUT_FILENO);
            ::dup2(::fileno(quiet), STDERR_FILENO);
        }
        execl(program, program, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ChildCost cost;
    if (child < 0) return cost;
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) return cost;
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    cost.peakMegabytes = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
    cost.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return cost;
}

// Reported time per iteration: the child's CPU time.
void StartUp(benchmark::State& state, const char* program) {
    TemporaryFolder config;
    double peak = 0;
    for (auto _ : state) {
        const ChildCost cost = RunToFirstPaint(program, config.Path().string());
        if (!cost.ended) {
            state.SkipWithError("the program did not end after its first paint");
            return;
        }
        state.SetIterationTime(cost.cpuSeconds);
        peak += cost.peakMegabytes;
    }
    state.counters["peak_MB"] = benchmark::Counter(peak, benchmark::Counter::kAvgIterations);
}

bool Register() {
    for (const auto& [name, program] : {std::pair{"startup/Program", QUORBEL_PROGRAM},
                                        std::pair{"startup/EmptyQtWindow", QUORBEL_EMPTY_WINDOW}})
        benchmark::RegisterBenchmark(name, StartUp, program)
            ->UseManualTime()
            ->Iterations(12)
            ->Unit(benchmark::kMillisecond);
    // With manual time the "real" ratio is the children's CPU time.
    return RegisterRatio("startup/Program/iterations:12/manual_time",
                         "startup/EmptyQtWindow/iterations:12/manual_time") &&
           RegisterCounterRatio("startup/Program/iterations:12/manual_time",
                                "startup/EmptyQtWindow/iterations:12/manual_time", "peak_MB");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
