#pragma once
// The temporary files the writer makes beside a target, and what becomes of them when
// a write fails or the program is ended in the middle of one.
//
// Every temporary is named TARGET.quorbel-XXXXXX (six letters or digits), a name no
// other program gives, so that the leftovers of an ended run can be told from the
// user's own files and removed at the next write to their folder. While a write runs,
// its temporary is locked (flock) and removed at once should the process be ended by
// an interrupt, a termination, a hang-up or a quit signal; a kill that cannot be
// caught leaves it to the next write, which finds it unlocked.
#include <chrono>
#include <filesystem>
#include <string>

#include "state/FileCalls.h"

namespace quorbel {

// The mark between the target's name and the six characters of a temporary.
inline constexpr const char* kTemporaryMark = ".quorbel-";

// Whether `name` (a file name, no folder) is one the writer gives its temporaries:
// "NAME.quorbel-XXXXXX" with a non-empty NAME and six letters or digits.
bool IsTemporaryName(const std::string& name);

// A fresh temporary file beside a target, open for writing, locked, and removed when it
// goes out of scope unless it took the target's place. Its name ends in
// TARGET.quorbel-XXXXXX, whatever the target's name.
class TemporaryFile {
  public:
    // Made through calls.createTemp; Fd() is negative, with errno set, when it could not be.
    TemporaryFile(const FileCalls& calls, const std::filesystem::path& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Name() const { return name_; }
    // The caller closed Fd(); the lock stays until the end of the object.
    void Closed() { fd_ = -1; }
    // Renamed into place: nothing to remove at the end.
    void Placed() { placed_ = true; }

  private:
    int fd_ = -1;
    int lockFd_ = -1;  // holds the lock after Fd() is closed, until the rename is done
    int slot_ = -1;    // where the signal handlers find the name
    bool placed_ = false;
    std::string name_;
};

// Removes the temporaries ended writes left in the folder of `path` (beside any target
// there): regular files with a temporary's name that no running write holds locked. A
// second name of a file (KeepFile's, before its rename) and, where the file system
// has no locks, any temporary, are removed only when its last change (of name or
// content) lies `age` or more ago. Links are never followed. The number removed.
int RemoveStaleTemporaries(const std::filesystem::path& path, std::chrono::seconds age);

}  // namespace quorbel
