#pragma once
// Replacing a small file so that a failure at any point leaves either the old or the
// new complete content at its path, and keeping a file under a second name.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorbel {

// The system calls a replacement makes that can fail half-way. Tests replace them to
// make a write or a rename fail; everyone else uses System().
struct FileCalls {
    // Creates and opens a file of a fresh unique name from pathTemplate, whose last six
    // characters are XXXXXX and are replaced; never follows a link. As mkstemp.
    int (*createTemp)(char* pathTemplate);
    long (*write)(int fd, const void* data, size_t size);
    int (*rename)(const char* from, const char* to);

    static const FileCalls& System();
};

// Replaces the file at `path` with `content`. A fresh temporary file is created beside
// it and renamed over it; it takes the old file's mode. A read-only file is kept and
// the call fails. When the folder refuses the temporary file but the file itself may
// be written, it is rewritten in place (its old content is written back if that
// fails). Missing folders are created. False with `error` set on failure.
bool ReplaceFile(const std::filesystem::path& path, std::string_view content,
                 const FileCalls& calls, std::string* error);

// Keeps the file at `path` also as `kept`, replacing an older `kept`: a second name for
// the same file where the file system allows it, else a copy. True when kept or when
// there is no file at `path`.
bool KeepFile(const std::filesystem::path& path, const std::filesystem::path& kept,
              const FileCalls& calls, std::string* error);

}  // namespace quorbel
