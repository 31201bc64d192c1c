#pragma once
// A temporary folder that must not outlive the process, even when the process is ended
// by a signal: the terminal's interrupt, a kill, a lost terminal, or an abort.
#include <string>

namespace quorbel::cli {

// While it lives, the signals SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGABRT first remove
// the files of `folder` and the folder itself, then end the process by the same signal.
// The folder holds files only. One at a time; the previous handlers come back with
// its end.
class RemoveOnSignal {
  public:
    explicit RemoveOnSignal(const std::string& folder);
    ~RemoveOnSignal();
    RemoveOnSignal(const RemoveOnSignal&) = delete;
    RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;
};

}  // namespace quorbel::cli
