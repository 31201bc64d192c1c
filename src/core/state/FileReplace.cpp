#include "state/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorbel {
namespace fs = std::filesystem;

namespace {

void SetError(std::string* error, const std::string& what, int errorNumber) {
    if (error) *error = what + " (" + std::strerror(errorNumber) + ")";
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
    return ::mkstemp(pathTemplate);
}
int Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
#endif

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

// A new file beside `target` with a fresh unique name, opened for writing.
int CreateBeside(const FileCalls& calls, const fs::path& target, std::string& name) {
    std::string pattern = target.string() + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = calls.createTemp(buffer.data());
    name = buffer.data();
    return fd;
}

// Writes content into the fresh file fd, gives it `mode` and renames it to target.
bool FillAndRename(const FileCalls& calls, int fd, const std::string& temp, const fs::path& target,
                   std::string_view content, int mode, std::string* error) {
    bool ok = WriteAll(calls, fd, content);
#if !defined(_WIN32)
    ok = ok && ::fchmod(fd, static_cast<mode_t>(mode)) == 0;
#else
    (void)mode;
#endif
    ok = ok && Sync(fd) == 0;
    const int writeErrno = errno;
    ok = (Close(fd) == 0) && ok;
    if (!ok) {
        std::remove(temp.c_str());
        SetError(error, "cannot write " + temp, writeErrno);
        return false;
    }
    if (calls.rename(temp.c_str(), target.string().c_str()) != 0) {
        const int renameErrno = errno;
        std::remove(temp.c_str());
        SetError(error, "cannot replace " + target.string(), renameErrno);
        return false;
    }
    return true;
}

#if !defined(_WIN32)
// Mode bits of a new file: what the user's umask lets through of rw-rw-rw-.
int NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~static_cast<int>(mask);
}

bool ReadOnly(const fs::path& path, const struct stat& st) {
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) == 0;
    return ::access(path.c_str(), W_OK) != 0;
}

// Rewrites the file in place; its old content goes back if the new one cannot be
// written whole.
bool WriteInPlace(const FileCalls& calls, const fs::path& path, std::string_view content,
                  std::string* error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, "cannot open " + path.string() + " for writing", errno);
        return false;
    }
    std::string old;
    char chunk[4096];
    for (long got; (got = ::read(fd, chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || old.size() > (1u << 20)) {
            ::close(fd);
            SetError(error, "cannot keep the content of " + path.string(), got < 0 ? errno : EFBIG);
            return false;
        }
        old.append(chunk, static_cast<size_t>(got));
    }
    bool ok = ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0 &&
              WriteAll(calls, fd, content) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    if (!ok) {
        if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0)
            WriteAll(FileCalls::System(), fd, old);
        ::fsync(fd);
    }
    ok = (::close(fd) == 0) && ok;
    if (!ok) SetError(error, "cannot write " + path.string(), writeErrno);
    return ok;
}
#endif

}  // namespace

const FileCalls& FileCalls::System() {
    static const FileCalls calls{&CreateTemp, &Write, &Rename};
    return calls;
}

bool ReplaceFile(const fs::path& path, std::string_view content, const FileCalls& calls,
                 std::string* error) {
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
#if defined(_WIN32)
    const int mode = 0;
#else
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (exists && ReadOnly(path, st)) {
        SetError(error, path.string() + " is read-only", EACCES);
        return false;
    }
    const int mode = exists ? static_cast<int>(st.st_mode & 07777) : NewFileMode();
#endif
    std::string temp;
    const int fd = CreateBeside(calls, path, temp);
    if (fd < 0) {
        const int createErrno = errno;
#if !defined(_WIN32)
        if (exists && (createErrno == EACCES || createErrno == EROFS || createErrno == EPERM))
            return WriteInPlace(calls, path, content, error);
#endif
        SetError(error, "cannot create a temporary file beside " + path.string(), createErrno);
        return false;
    }
    return FillAndRename(calls, fd, temp, path, content, mode, error);
}

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
        const std::string name = kept.string() + "." + std::to_string(random());
        if (::link(path.c_str(), name.c_str()) == 0) {
            if (calls.rename(name.c_str(), kept.c_str()) == 0) return true;
            const int renameErrno = errno;
            ::unlink(name.c_str());
            SetError(error, "cannot keep " + path.string() + " as " + kept.string(), renameErrno);
            return false;
        }
        if (errno != EEXIST) break;
    }
#endif
    // No second names here: a copy of a regular file (a device or a pipe has nothing
    // to keep).
    if (!fs::is_regular_file(path, ec)) return true;
    std::FILE* in = std::fopen(path.string().c_str(), "rb");
    std::string temp;
    const int fd = in ? CreateBeside(calls, kept, temp) : -1;
    if (fd < 0) {
        SetError(error, "cannot keep " + path.string() + " as " + kept.string(), errno);
        if (in) std::fclose(in);
        return false;
    }
    char chunk[4096];
    bool copied = true;
    for (size_t got; copied && (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
        copied = WriteAll(calls, fd, std::string_view(chunk, got));
    copied = copied && !std::ferror(in);
    std::fclose(in);
    if (!copied) {
        const int copyErrno = errno;
        Close(fd);
        std::remove(temp.c_str());
        SetError(error, "cannot keep " + path.string() + " as " + kept.string(), copyErrno);
        return false;
    }
    return FillAndRename(calls, fd, temp, kept, {}, 0600, error);
}

}  // namespace quorbel
