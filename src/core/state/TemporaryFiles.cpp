#include "state/TemporaryFiles.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

namespace quorbel {
namespace fs = std::filesystem;

bool IsTemporaryName(const std::string& name) {
    const size_t mark = std::strlen(kTemporaryMark);
    if (name.size() < 1 + mark + 6) return false;
    const size_t at = name.size() - 6 - mark;
    if (name.compare(at, mark, kTemporaryMark) != 0) return false;
    for (size_t i = name.size() - 6; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

#if !defined(_WIN32)
namespace {

// --- removal on the signals that end a program

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kEndSignalCount = sizeof kEndSignals / sizeof kEndSignals[0];

// The names of the temporaries being written, for the signal handlers: one slot per
// write running at the same time (threads), more are left to the next write's clean-up.
struct Slot {
    std::atomic<int> state{0};  // 0 free, 1 being filled or emptied, 2 holds a name
    char path[4096];
};
Slot slots[8];
struct sigaction previous[kEndSignalCount];
bool installed[kEndSignalCount];
std::mutex handlersMutex;
int slotsInUse = 0;

// Only async-signal-safe calls: the temporaries are unlinked, then the signal goes on
// to whatever handled it before, so the process ends as it would have.
void OnEndSignal(int signal, siginfo_t* info, void* context) {
    for (Slot& slot : slots)
        if (slot.state.load() == 2) ::unlink(slot.path);
    for (int i = 0; i < kEndSignalCount; ++i) {
        if (kEndSignals[i] != signal) continue;
        const struct sigaction& before = previous[i];
        if (before.sa_flags & SA_SIGINFO) {
            before.sa_sigaction(signal, info, context);
        } else if (before.sa_handler == SIG_DFL) {
            // Delivered again once this handler returns, and ends the process.
            ::sigaction(signal, &before, nullptr);
            ::raise(signal);
        } else if (before.sa_handler != SIG_IGN) {
            before.sa_handler(signal);
        }
    }
}

void InstallHandlers() {
    struct sigaction action {};
    action.sa_sigaction = OnEndSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kEndSignalCount; ++i) {
        installed[i] = false;
        struct sigaction current {};
        if (::sigaction(kEndSignals[i], nullptr, &current) != 0) continue;
        // A signal the program ignores ends nothing.
        if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN) continue;
        previous[i] = current;
        installed[i] = ::sigaction(kEndSignals[i], &action, nullptr) == 0;
    }
}

void RestoreHandlers() {
    for (int i = 0; i < kEndSignalCount; ++i)
        if (installed[i]) ::sigaction(kEndSignals[i], &previous[i], nullptr);
}

int ClaimSlot(const std::string& name) {
    for (int i = 0; i < static_cast<int>(std::size(slots)); ++i) {
        Slot& slot = slots[i];
        if (name.size() >= sizeof slot.path) return -1;
        int expected = 0;
        if (!slot.state.compare_exchange_strong(expected, 1)) continue;
        std::memcpy(slot.path, name.c_str(), name.size() + 1);
        {
            const std::lock_guard lock(handlersMutex);
            if (slotsInUse++ == 0) InstallHandlers();
        }
        slot.state.store(2);
        return i;
    }
    return -1;
}

void ReleaseSlot(int i) {
    if (i < 0) return;
    slots[i].state.store(1);
    {
        const std::lock_guard lock(handlersMutex);
        if (--slotsInUse == 0) RestoreHandlers();
    }
    slots[i].state.store(0);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev;
}

// Locks the fresh file fd made under `name`. False when a clean-up of another running
// copy of the program took the file between its creation and the lock (it is gone
// then); a file system without locks leaves it unlocked.
bool LockFresh(int fd, const std::string& name) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
    struct stat byName {
    }, byFd{};
    return ::lstat(name.c_str(), &byName) == 0 && ::fstat(fd, &byFd) == 0 && SameFile(byName, byFd);
}

// Removes `file` when it is a regular file no running write holds: unlocked, or, for a
// second name or without locks, older than `age`.
bool RemoveIfStale(const fs::path& file, std::chrono::seconds age) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;  // a link, gone, or another user's
    struct stat st {};
    bool stale = false;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        // The change time: a second name made a moment ago has the old file's
        // modification time.
        const bool old = std::time(nullptr) - st.st_ctime >= age.count();
        if (st.st_nlink > 1)
            stale = old;
        else if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            stale = true;
        else
            stale = errno != EWOULDBLOCK && old;
    }
    // Still the file examined, not one made under the same name meanwhile.
    struct stat now {};
    const bool removed = stale && ::lstat(file.c_str(), &now) == 0 && SameFile(now, st) &&
                         ::unlink(file.c_str()) == 0;
    ::close(fd);
    return removed;
}

}  // namespace

TemporaryFile::TemporaryFile(const FileCalls& calls, const fs::path& target) {
    const std::string pattern = target.string() + kTemporaryMark + "XXXXXX";
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const int fd = calls.createTemp(buffer.data());
        if (fd < 0) return;
        if (LockFresh(fd, buffer.data())) {
            fd_ = fd;
            name_ = buffer.data();
            lockFd_ = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            slot_ = ClaimSlot(name_);
            return;
        }
        ::close(fd);
    }
    errno = EAGAIN;
}

TemporaryFile::~TemporaryFile() {
    if (!name_.empty() && !placed_) ::unlink(name_.c_str());
    ReleaseSlot(slot_);
    if (fd_ >= 0) ::close(fd_);
    if (lockFd_ >= 0) ::close(lockFd_);
}

#else

namespace {
bool RemoveIfStale(const fs::path& file, std::chrono::seconds age) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(file, ec))) return false;
    const auto changed = fs::last_write_time(file, ec);
    if (ec || fs::file_time_type::clock::now() - changed < age) return false;
    return fs::remove(file, ec);
}
}  // namespace

TemporaryFile::TemporaryFile(const FileCalls& calls, const fs::path& target) {
    const std::string pattern = target.string() + kTemporaryMark + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    fd_ = calls.createTemp(buffer.data());
    if (fd_ >= 0) name_ = buffer.data();
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) _close(fd_);
    if (!name_.empty() && !placed_) std::remove(name_.c_str());
}

#endif

int RemoveStaleTemporaries(const fs::path& path, std::chrono::seconds age) {
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsTemporaryName(it->path().filename().string()) && RemoveIfStale(it->path(), age))
            ++removed;
    return removed;
}

}  // namespace quorbel
