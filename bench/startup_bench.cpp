// Start-up: the desktop program from process start to the first paint of its main
// window, against an empty Qt window of the same size built beside it (the reference,
// measured in the same run, the two started in turns). Each run is a fresh process, as
// when a student starts the program; its CPU time (user + system) and its peak resident
// memory come from the system's accounting of the finished child. The program ends itself after its
// first paint when QUORBEL_EXIT_AFTER_FIRST_PAINT is set; the reference always does.
//
// Without a display (DISPLAY unset) both run on Qt's offscreen platform.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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

constexpr int kRuns = 15;

// The two programs started in turns, the reference first, so that both meet the same
// load of the machine; measured once for both benchmarks.
struct Runs {
    std::vector<ChildCost> program;
    std::vector<ChildCost> reference;
};

const Runs& Measured() {
    static const Runs runs = [] {
        TemporaryFolder config;
        Runs measured;
        for (int i = 0; i < kRuns; ++i) {
            measured.reference.push_back(
                RunToFirstPaint(QUORBEL_EMPTY_WINDOW, config.Path().string()));
            measured.program.push_back(RunToFirstPaint(QUORBEL_PROGRAM, config.Path().string()));
        }
        return measured;
    }();
    return runs;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Reported time per iteration: the child's CPU time; the counters are the medians,
// which a run disturbed by something else on the machine moves least.
void StartUp(benchmark::State& state, bool program) {
    const std::vector<ChildCost>& costs = program ? Measured().program : Measured().reference;
    std::vector<double> cpu;
    std::vector<double> peak;
    for (auto _ : state) {
        const ChildCost& cost = costs[cpu.size()];
        if (!cost.ended) {
            state.SkipWithError("the program did not end after its first paint");
            return;
        }
        state.SetIterationTime(cost.cpuSeconds);
        cpu.push_back(cost.cpuSeconds * 1000);
        peak.push_back(cost.peakMegabytes);
    }
    state.counters["cpu_median_ms"] = Median(cpu);
    state.counters["peak_MB"] = Median(peak);
}

bool Register() {
    for (const auto& [name, program] :
         {std::pair{"startup/Program", true}, std::pair{"startup/EmptyQtWindow", false}})
        benchmark::RegisterBenchmark(name, StartUp, program)
            ->UseManualTime()
            ->Iterations(kRuns)
            ->Unit(benchmark::kMillisecond);
    const std::string ours = "startup/Program/iterations:" + std::to_string(kRuns) + "/manual_time";
    const std::string reference =
        "startup/EmptyQtWindow/iterations:" + std::to_string(kRuns) + "/manual_time";
    // With manual time the "real" ratio is the children's mean CPU time.
    return RegisterRatio(ours, reference) &&
           RegisterCounterRatio(ours, reference, "cpu_median_ms") &&
           RegisterCounterRatio(ours, reference, "peak_MB");
}

const bool kRegistered = Register();

}  // namespace

}  // namespace quorbel::bench
