#include "RemoveOnSignal.h"

#include <csignal>
#include <cstring>

#if defined(__unix__)
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif
#endif

namespace quorbel::cli {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGABRT
#if defined(__unix__)
                            ,
                            SIGHUP, SIGQUIT
#endif
};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// Written before the handlers are set and only read by them.
char folderPath[4096];
#if defined(__unix__)
struct sigaction previous[kSignalCount];

// Only async-signal-safe calls: the directory is read with the raw system call.
void RemoveFolder() {
    if (folderPath[0] == '\0') return;
#if defined(__linux__)
    const int dir = ::open(folderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        alignas(8) char buffer[4096];
        for (long got; (got = ::syscall(SYS_getdents64, dir, buffer, sizeof buffer)) > 0;) {
            for (long at = 0; at < got;) {
                // linux_dirent64: inode (8 bytes), offset (8), record length (2), type (1), name.
                unsigned short length;
                std::memcpy(&length, buffer + at + 16, sizeof length);
                const char* name = buffer + at + 19;
                if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
                    ::unlinkat(dir, name, 0);
                at += length;
            }
        }
        ::close(dir);
    }
#endif
    ::rmdir(folderPath);
}

void OnSignal(int signal) {
    RemoveFolder();
    folderPath[0] = '\0';
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
#endif

}  // namespace

RemoveOnSignal::RemoveOnSignal(const std::string& folder) {
    if (folder.size() >= sizeof folderPath) return;
    std::memcpy(folderPath, folder.c_str(), folder.size() + 1);
#if defined(__unix__)
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &action, &previous[i]);
#endif
}

RemoveOnSignal::~RemoveOnSignal() {
#if defined(__unix__)
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
#endif
    folderPath[0] = '\0';
}

}  // namespace quorbel::cli
