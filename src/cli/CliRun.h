#pragma once
// fftquorbel-cli as a function, so that it can be run inside a test program: the main
// window model on image surfaces, operated through its handlers as a user would, with
// one of its data lists printed at the end.
#include <iosfwd>
#include <string>
#include <vector>

namespace quorbel::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitMessage = 1;  // the window showed at least one message
inline constexpr int kExitUsage = 2;    // bad command line or unusable parameters file

// `arguments` are the words after the program name. The list goes to `out`, one line
// per list line; the window's messages and any error go to `err`, one line each. When
// `out` fails (its buffer a DescriptorOutput, the system's reason is given) that is
// said on `err` and the status is at least kExitMessage.
// A QGuiApplication must exist: the image surfaces draw text with its fonts.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quorbel::cli
