#pragma once
// Pairs of benchmarks whose time ratio is printed after the run: our code against a
// reference measured in the same run on the same machine, so the figure means something
// on any computer. Register pairs from a static initialiser next to the benchmarks.
#include <string>

namespace quorbel::bench {

// `ours` and `reference` are full benchmark names as registered (for example
// "FOUR1/1024"). Pairs whose benchmarks were filtered out of the run are skipped.
bool RegisterRatio(std::string ours, std::string reference);

}  // namespace quorbel::bench
