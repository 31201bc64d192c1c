// Runs every registered benchmark with the usual console output, then prints for each
// registered pair the ratio of our time per iteration to the reference's: real time, and
// CPU time, which other load on the machine disturbs less.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench_ratio.h"

namespace quorbel::bench {

namespace {

struct RatioPair {
    std::string ours;
    std::string reference;
    std::string counter;  // empty: the time per iteration
};

// Function-local, so benchmark files may register pairs from their static initialisers
// whatever the order in which the files are initialised.
std::vector<RatioPair>& Pairs() {
    static std::vector<RatioPair> pairs;
    return pairs;
}

// Seconds per iteration.
struct IterationTime {
    double real = 0.0;
    double cpu = 0.0;
};

// Console output as usual; also keeps the time per iteration of every benchmark, as the
// mean over its repetitions.
class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    CollectingReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const double unitsPerSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            Sum& sum = sums_[run.benchmark_name()];
            sum.real += run.GetAdjustedRealTime() / unitsPerSecond;
            sum.cpu += run.GetAdjustedCPUTime() / unitsPerSecond;
            for (const auto& [name, counter] : run.counters) sum.counters[name] += counter.value;
            ++sum.runs;
        }
    }

    // Nothing when the benchmark did not run (filtered out, or failed).
    std::optional<IterationTime> Time(const std::string& name) const {
        const auto found = sums_.find(name);
        if (found == sums_.end()) return std::nullopt;
        const Sum& sum = found->second;
        return IterationTime{sum.real / sum.runs, sum.cpu / sum.runs};
    }

    // The counter's mean over the benchmark's repetitions; nothing when it has none.
    std::optional<double> Counter(const std::string& name, const std::string& counter) const {
        const auto found = sums_.find(name);
        if (found == sums_.end()) return std::nullopt;
        const auto value = found->second.counters.find(counter);
        if (value == found->second.counters.end()) return std::nullopt;
        return value->second / found->second.runs;
    }

  private:
    struct Sum {
        double real = 0.0;
        double cpu = 0.0;
        std::map<std::string, double> counters;
        int runs = 0;
    };
    std::map<std::string, Sum> sums_;
};

void PrintCounterRatios(const CollectingReporter& reporter) {
    bool header = false;
    for (const RatioPair& pair : Pairs()) {
        if (pair.counter.empty()) continue;
        const std::optional<double> ours = reporter.Counter(pair.ours, pair.counter);
        const std::optional<double> reference = reporter.Counter(pair.reference, pair.counter);
        if (!ours || !reference) continue;
        if (!header) {
            std::printf("\n%-24s %-24s %-14s %14s\n", "ours", "reference", "counter", "ours/ref");
            header = true;
        }
        std::printf("%-24s %-24s %-14s %14.2f\n", pair.ours.c_str(), pair.reference.c_str(),
                    pair.counter.c_str(), *ours / *reference);
    }
}

void PrintRatios(const CollectingReporter& reporter) {
    bool header = false;
    for (const RatioPair& pair : Pairs()) {
        if (!pair.counter.empty()) continue;
        const std::optional<IterationTime> ours = reporter.Time(pair.ours);
        const std::optional<IterationTime> reference = reporter.Time(pair.reference);
        if (!ours || !reference) continue;
        if (!header) {
            std::printf("\n%-24s %-24s %14s %14s\n", "ours", "reference", "real ours/ref",
                        "CPU ours/ref");
            header = true;
        }
        std::printf("%-24s %-24s %14.2f %14.2f\n", pair.ours.c_str(), pair.reference.c_str(),
                    ours->real / reference->real, ours->cpu / reference->cpu);
    }
}

}  // namespace

bool RegisterRatio(std::string ours, std::string reference) {
    Pairs().push_back({std::move(ours), std::move(reference), {}});
    return true;
}

bool RegisterCounterRatio(std::string ours, std::string reference, std::string counter) {
    Pairs().push_back({std::move(ours), std::move(reference), std::move(counter)});
    return true;
}

}  // namespace quorbel::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    quorbel::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    quorbel::bench::PrintRatios(reporter);
    quorbel::bench::PrintCounterRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
