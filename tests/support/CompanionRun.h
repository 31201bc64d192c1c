#pragma once
// The command-line companion run inside the test's own process, as its main() runs it:
// its exit status and what it printed on each stream.
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"

namespace quorbel::testing {

struct CompanionRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CompanionRun RunCompanion(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    CompanionRun run;
    run.status = cli::RunCli(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The lines of a printed text, without their line ends.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace quorbel::testing
