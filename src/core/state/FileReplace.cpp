#include "state/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "platform/Translation.h"
#include "state/QuotedText.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorbel {
namespace fs = std::filesystem;

namespace {

// A full disk, a full quota and a file-size limit are one failure to the user: no room
// for the file. (The programs ignore SIGXFSZ, so a limit makes the write fail with
// EFBIG instead of ending them.)
bool NoRoom(int errorNumber) {
#if defined(EDQUOT)
    if (errorNumber == EDQUOT) return true;
#endif
    return errorNumber == ENOSPC || errorNumber == EFBIG;
}

void SetError(std::string* error, const std::string& what, int errorNumber) {
    if (!error) return;
    *error = what + " (" +
             (NoRoom(errorNumber)
                  ? Translate("Messages",
                              "no room is left: the disk is full or a limit on the size of files "
                              "was reached")
                  : std::string(std::strerror(errorNumber))) +
             ")";
}

void SetReason(std::string* error, const std::string& reason) {
    if (error) *error = reason;
}

#if defined(_WIN32)
int CreateTemp(char* pathTemplate) {
    return _mktemp_s(pathTemplate, std::strlen(pathTemplate) + 1) != 0
               ? -1
               : _open(pathTemplate, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                       _S_IREAD | _S_IWRITE);
}
long Write(int fd, const void* data, size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}
int Close(int fd) {
    return _close(fd);
}
int Sync(int fd) {
    return _commit(fd);
}
int Rename(const char* from, const char* to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec ? -1 : 0;
}
#else
long Write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int Close(int fd) {
    return ::close(fd);
}
int Sync(int fd) {
    return ::fsync(fd);
}
int CreateTemp(char* pathTemplate) {
    return ::mkostemp(pathTemplate, O_CLOEXEC);
}
int Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
#endif

int SyncOf(const FileCalls& calls, int fd) {
    return calls.sync ? calls.sync(fd) : Sync(fd);
}
int CloseOf(const FileCalls& calls, int fd) {
    return calls.close ? calls.close(fd) : Close(fd);
}

// Writes all of data, through calls.write, despite short writes and interruptions.
bool WriteAll(const FileCalls& calls, int fd, std::string_view data) {
    while (!data.empty()) {
        const long written = calls.write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// What the old file was, so that its replacement is the same kind of file.
struct OldFile {
    bool exists = false;
    int mode = 0;
    long owner = -1;
    long group = -1;
};

// Writes content into the fresh temporary file, gives it the old file's mode (and
// owner) and renames it to target. Every step is checked; the temporary file never
// outlives a failure.
bool FillAndRename(const FileCalls& calls, TemporaryFile& temp, const fs::path& target,
                   std::string_view content, const OldFile& old, std::string* error) {
    const int fd = temp.Fd();
    const char* failed = nullptr;
    int failure = 0;
    auto check = [&](bool ok, const char* step) {
        if (!ok && !failed) failed = step, failure = errno;
        return ok;
    };
    check(WriteAll(calls, fd, content),
          QT_TRANSLATE_NOOP("Messages", "the new content could not be written"));
#if !defined(_WIN32)
    if (!failed)
        check(::fchmod(fd, static_cast<mode_t>(old.mode)) == 0,
              QT_TRANSLATE_NOOP("Messages", "its mode could not be kept"));
    // Only the superuser may give a file away; for anyone else the owner stays theirs.
    if (!failed && old.exists && ::geteuid() == 0)
        check(::fchown(fd, static_cast<uid_t>(old.owner), static_cast<gid_t>(old.group)) == 0,
              QT_TRANSLATE_NOOP("Messages", "its owner could not be kept"));
#endif
    if (!failed)
        check(SyncOf(calls, fd) == 0,
              QT_TRANSLATE_NOOP("Messages", "the new content could not be saved to the disk"));
    check(CloseOf(calls, fd) == 0,
          QT_TRANSLATE_NOOP("Messages", "the new content could not be saved to the disk"));
    temp.Closed();
    if (failed) {
        SetError(error, Translate("Messages", failed), failure);
        return false;
    }
    if (calls.rename(temp.Name().c_str(), target.string().c_str()) != 0) {
        SetError(error, "the new file could not take the old one's place", errno);
        return false;
    }
    temp.Placed();
    return true;
}

#if !defined(_WIN32)
// Mode bits of a new file: what the user's umask lets through of rw-rw-rw-.
int NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~static_cast<int>(mask);
}

// A file that nobody may write is protected, also from the superuser, whose access
// checks would let everything through; otherwise the user's own write permission
// decides.
bool Protected(const fs::path& path, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return true;
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) == 0;
    return ::access(path.c_str(), W_OK) != 0;
}

// Why a protected file is left alone: one that may not even be read (mode 000, say) is
// not merely read-only.
std::string ProtectedReason(const fs::path& path, const struct stat& st) {
    const bool readable = (st.st_mode & 0444) != 0 && ::access(path.c_str(), R_OK) == 0;
    return readable ? Translate("Messages", "it is read-only")
                    : Translate("Messages", "its permissions allow neither reading nor writing it");
}

const char* SpecialKind(mode_t mode) {
    if (S_ISDIR(mode)) return QT_TRANSLATE_NOOP("Messages", "it is a folder");
    if (S_ISFIFO(mode))
        return QT_TRANSLATE_NOOP("Messages", "it is not a regular file (a named pipe)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QT_TRANSLATE_NOOP("Messages", "it is not a regular file (a device)");
    if (S_ISSOCK(mode)) return QT_TRANSLATE_NOOP("Messages", "it is not a regular file (a socket)");
    return nullptr;
}

std::optional<std::string> WhyNot(const fs::path& path, bool missingIsFine) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT && missingIsFine) return std::nullopt;
        if (errno == ENOENT) return Translate("Messages", "it does not exist");
        const std::string why = std::strerror(errno);
        return FillIn(Translate("Messages", "it cannot be reached (%1)"), {why});
    }
    if (S_ISREG(st.st_mode)) return std::nullopt;
    if (const char* kind = SpecialKind(st.st_mode)) return Translate("Messages", kind);
    return Translate("Messages", "it is not a regular file");
}

// Reads the whole of a small file that is open for reading.
bool ReadWhole(int fd, std::string& content) {
    char chunk[4096];
    for (long got; (got = ::read(fd, chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (content.size() > (1u << 20)) {
            errno = EFBIG;
            return false;
        }
        content.append(chunk, static_cast<size_t>(got));
    }
    return true;
}

// Truncates the open file and writes content from its start.
bool Overwrite(const FileCalls& calls, int fd, std::string_view content) {
    return ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0 &&
           WriteAll(calls, fd, content) && SyncOf(calls, fd) == 0;
}

// Rewrites the file in place. Between the truncation and the end of the write the
// file is incomplete: the old content is kept at `copy` first (unless a copy of it is
// already there, as when it is put back), so that a program ended in between can be
// mended at the next start, and written back at once if the new one cannot be
// written whole. A link is never opened: its own folder would have to take the new file.
bool WriteInPlace(const FileCalls& calls, const fs::path& path, std::string_view content,
                  const fs::path& copy, bool copyIsThere, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        const int openErrno = errno;
        SetError(error, Translate("Messages", "it cannot be opened for writing"), openErrno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetReason(error, Translate("Messages", "it is not a regular file"));
        return false;
    }
    std::string old;
    if (!ReadWhole(fd, old)) {
        const int readErrno = errno;
        ::close(fd);
        SetError(error, Translate("Messages", "its old content could not be kept"), readErrno);
        return false;
    }
    if (!copyIsThere) {
        std::string copyError;
        std::error_code ec;
        fs::create_directories(copy.parent_path(), ec);
        if (!ReplaceFile(copy, old, FileCalls::System(), &copyError)) {
            ::close(fd);
            SetReason(error, FillIn(Translate("Messages",
                                              "its folder refuses new files and no copy of its "
                                              "old content could be kept in %1 (%2)"),
                                    {copy.parent_path().string(), copyError}));
            return false;
        }
    }
    bool ok = Overwrite(calls, fd, content);
    const int writeErrno = errno;
    bool restored = true;
    if (!ok) restored = Overwrite(FileCalls::System(), fd, old);
    ok = (::close(fd) == 0) && ok;
    if (!ok)
        SetError(error, Translate("Messages", "the new content could not be written in place"),
                 writeErrno);
    // The copy is needed no more once the file holds a whole content again, unless
    // what was written back is the damaged content the copy is to mend.
    if (restored && (ok || !copyIsThere)) ::unlink(copy.c_str());
    return ok;
}
#endif

}  // namespace

std::string CannotWriteMessage(const std::string& chosen, const std::string& reason) {
    // The name, which the quote never cuts; the user knows the folder chosen.
    const std::string name = QuotedText(fs::path(chosen).filename().string());
    std::string text =
        reason.empty()
            ? FillIn(Translate("Messages", "The file %1 cannot be written"), {name})
            : FillIn(Translate("Messages", "The file %1 cannot be written: %2"), {name, reason});
    if (text.back() != '.') text += '.';
    return text;
}

const FileCalls& FileCalls::System() {
    static const FileCalls calls{&CreateTemp, &Write, &Rename, &Sync, &Close};
    return calls;
}

#if !defined(_WIN32)
std::optional<std::string> WhyNotReadable(const fs::path& path) {
    return WhyNot(path, false);
}
std::optional<std::string> WhyNotWritable(const fs::path& path) {
    return WhyNot(path, true);
}
#else
std::optional<std::string> WhyNotReadable(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return Translate("Messages", "it does not exist");
    if (fs::is_directory(path, ec)) return Translate("Messages", "it is a folder");
    if (!fs::is_regular_file(path, ec)) return Translate("Messages", "it is not a regular file");
    return std::nullopt;
}
std::optional<std::string> WhyNotWritable(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return std::nullopt;
    return WhyNotReadable(path);
}
#endif

namespace {

// ReplaceFile; `copyIsThere` says the old content is already kept at inPlaceCopy.
bool Replace(const fs::path& path, std::string_view content, const FileCalls& calls,
             std::string* error, const fs::path& inPlaceCopy, bool copyIsThere) {
    if (const std::optional<std::string> why = WhyNotWritable(path)) {
        SetReason(error, *why);
        return false;
    }
    std::error_code ec;
    if (path.has_parent_path() && !fs::is_directory(path.parent_path(), ec)) {
        SetReason(error, Translate("Messages", "its folder does not exist"));
        return false;
    }
    OldFile old;
    bool link = false;
#if defined(_WIN32)
    (void)inPlaceCopy;
    (void)copyIsThere;
#else
    // A link is what is replaced: the file it leads to is neither the old file nor
    // written.
    struct stat st {};
    link = ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    old.exists = !link && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (old.exists && Protected(path, st)) {
        SetReason(error, ProtectedReason(path, st));
        return false;
    }
    old.mode = old.exists ? static_cast<int>(st.st_mode & 07777) : NewFileMode();
    if (old.exists)
        old.owner = static_cast<long>(st.st_uid), old.group = static_cast<long>(st.st_gid);
#endif
    // A temporary that is a minute old and unlocked belongs to no write still running.
    RemoveStaleTemporaries(path, std::chrono::seconds(60));
    TemporaryFile temp(calls, path);
    if (temp.Fd() < 0) {
        const int createErrno = errno;
#if !defined(_WIN32)
        const bool refused = createErrno == EACCES || createErrno == EROFS || createErrno == EPERM;
        if (refused && link) {
            SetReason(error, Translate("Messages",
                                       "it is a link and its folder refuses the new file that "
                                       "would replace it (the file it leads to is not "
                                       "written through it)"));
            return false;
        }
        if (refused && old.exists && !inPlaceCopy.empty())
            return WriteInPlace(calls, path, content, inPlaceCopy, copyIsThere, error);
#endif
        SetError(error, Translate("Messages", "its folder refuses a new file"), createErrno);
        return false;
    }
    return FillAndRename(calls, temp, path, content, old, error);
}

}  // namespace

bool ReplaceFile(const fs::path& path, std::string_view content, const FileCalls& calls,
                 std::string* error, const fs::path& inPlaceCopy) {
    return Replace(path, content, calls, error, inPlaceCopy, false);
}

bool RestoreInterruptedWrite(const fs::path& path, const fs::path& copy,
                             bool (*usable)(const fs::path&), std::string* error) {
    std::error_code ec;
    if (copy.empty() || !fs::is_regular_file(copy, ec)) return true;
    if (usable(path)) {
        fs::remove(copy, ec);
        return true;
    }
    std::FILE* in = std::fopen(copy.string().c_str(), "rb");
    if (!in) {
        const int openErrno = errno;
        SetError(error,
                 FillIn(Translate("Messages", "the copy %1 cannot be read"), {copy.string()}),
                 openErrno);
        return false;
    }
    std::string old;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;) old.append(chunk, got);
    const bool readWhole = !std::ferror(in);
    std::fclose(in);
    if (!readWhole) {
        SetReason(error,
                  FillIn(Translate("Messages", "the copy %1 cannot be read"), {copy.string()}));
        return false;
    }
    // Written back (in place where the folder refuses new files) with the copy as it
    // is: it stays until this succeeded.
    if (!Replace(path, old, FileCalls::System(), error, copy, true)) return false;
    fs::remove(copy, ec);
    return true;
}

namespace {

// Six random letters or digits: a second name looks like a temporary, so that one an
// ended program left is removed as one.
std::string RandomSuffix(std::random_device& random) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

bool CannotKeep(const fs::path& path, const fs::path& kept, int errorNumber, std::string* error) {
    SetError(error,
             FillIn(Translate("Messages", "cannot keep %1 as %2"), {path.string(), kept.string()}),
             errorNumber);
    return false;
}

}  // namespace

bool KeepFile(const fs::path& path, const fs::path& kept, const FileCalls& calls,
              std::string* error) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status)) return true;
#if !defined(_WIN32)
    // A second name for the same file: nothing is copied, and the file keeps its
    // place until it is replaced.
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = kept.string() + kTemporaryMark + RandomSuffix(random);
        if (::link(path.c_str(), name.c_str()) == 0) {
            if (calls.rename(name.c_str(), kept.c_str()) == 0) return true;
            const int renameErrno = errno;
            ::unlink(name.c_str());
            return CannotKeep(path, kept, renameErrno, error);
        }
        if (errno != EEXIST) break;
    }
    // A folder has no second name: it is moved aside whole, over an older kept file.
    if (fs::is_directory(status)) {
        if (!fs::is_directory(fs::symlink_status(kept, ec))) ::unlink(kept.c_str());
        if (calls.rename(path.c_str(), kept.c_str()) == 0) return true;
        return CannotKeep(path, kept, errno, error);
    }
#endif
    // No second names here: a copy of a regular file (a device or a pipe has nothing
    // to keep).
    if (!fs::is_regular_file(path, ec)) return true;
    std::FILE* in = std::fopen(path.string().c_str(), "rb");
    if (!in) return CannotKeep(path, kept, errno, error);
    TemporaryFile temp(calls, kept);
    if (temp.Fd() < 0) {
        const int keepErrno = errno;
        std::fclose(in);
        return CannotKeep(path, kept, keepErrno, error);
    }
    char chunk[4096];
    bool copied = true;
    for (size_t got; copied && (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        copied = WriteAll(calls, temp.Fd(), std::string_view(chunk, got));
    copied = copied && !std::ferror(in);
    const int copyErrno = errno;
    std::fclose(in);
    if (!copied) return CannotKeep(path, kept, copyErrno, error);
    OldFile fresh;
    fresh.mode = 0600;
    return FillAndRename(calls, temp, kept, {}, fresh, error);
}

}  // namespace quorbel
