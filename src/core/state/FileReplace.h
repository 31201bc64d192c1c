#pragma once
// The one way this program writes a file: the new content goes to a temporary file
// beside the target, every write, the sync and the close are checked, and only then is
// it renamed over the target. A failure at any point leaves the old file as it was.
// Also: what a path holds before anything opens it, keeping a file under a second
// name, and removing the temporaries an interrupted program left behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "state/FileCalls.h"
#include "state/TemporaryFiles.h"

namespace quorbel {

// Why `path` cannot be read as a file, in the program's words ("it does not exist",
// "it is a folder", "it is not a regular file (a named pipe)"), or nothing when it is
// a regular file (links followed). Nothing is opened, so a pipe or a device never
// makes the caller wait.
std::optional<std::string> WhyNotReadable(const std::filesystem::path& path);
// The same for a file about to be written: a missing file is fine.
std::optional<std::string> WhyNotWritable(const std::filesystem::path& path);

// The message shown when the file the user chose cannot be written, one sentence
// naming it by its name (a long path would be cut in the quote):
// The file "NAME" cannot be written: REASON.
std::string CannotWriteMessage(const std::string& chosen, const std::string& reason);

// Replaces the file at `path` with `content`. A fresh temporary file is created beside
// it (see TemporaryFile) and renamed over it; it takes the old file's mode (and, for
// the superuser, its owner). A link at `path` is replaced by the new file, never
// written through: the file it leads to stays as it was. A target that is not a
// regular file (a link to one included), or a protected one (no write bit at all, or
// none for the user, whoever runs the program), is left alone and the call fails.
// When the folder refuses the temporary file, the file is rewritten in place only if
// `inPlaceCopy` is given: its old content is first kept there (see
// RestoreInterruptedWrite), and written back if the new one cannot be written whole;
// without it, or for a link, the call fails. A missing folder is not created. The
// temporaries ended writes left in the folder are removed first. False with `error`
// set to the reason, which never names the temporary file ("it is read-only", "the
// new content could not be written (no room is left: ...)").
bool ReplaceFile(const std::filesystem::path& path, std::string_view content,
                 const FileCalls& calls, std::string* error,
                 const std::filesystem::path& inPlaceCopy = {});

// After a program was ended during an in-place rewrite: when a copy kept at `copy`
// exists and `usable` says the file at `path` is not (empty, cut short), the copy's
// content is written back in place. The copy is removed once the file is usable.
// True when nothing had to be done or the file was restored.
bool RestoreInterruptedWrite(const std::filesystem::path& path, const std::filesystem::path& copy,
                             bool (*usable)(const std::filesystem::path&), std::string* error);

// Keeps the file at `path` also as `kept`, replacing an older `kept`: a second name for
// the same file where the file system allows it, else a copy. True when kept or when
// there is no file at `path`.
bool KeepFile(const std::filesystem::path& path, const std::filesystem::path& kept,
              const FileCalls& calls, std::string* error);

}  // namespace quorbel
