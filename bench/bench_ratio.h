#pragma once
// Pairs of benchmarks whose time ratio is printed after the run: our code against a
// reference measured in the same run on the same machine, so the figure means something
// on any computer. Register pairs from a static initialiser next to the benchmarks.
#include <string>

namespace quorbel::bench {

// `ours` and `reference` are full benchmark names as registered (for example
// "FOUR1/1024"). Pairs whose benchmarks were filtered out of the run are skipped.
bool RegisterRatio(std::string ours, std::string reference);
// The same for one of the benchmarks' counters (a child process's CPU time or memory,
// which the benchmarks' own times do not see).
bool RegisterCounterRatio(std::string ours, std::string reference, std::string counter);

}  // namespace quorbel::bench
