#pragma once
// File names chosen in a save dialog.
#include <string>

namespace quorbel {

// `path` with "." + `extension` appended when its file name (the part after the last
// '/') holds no '.'; otherwise `path` unchanged. The save dialog adds the same
// extension by the same rule before it asks about replacing an existing file, so the
// question is always about the name finally written.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace quorbel
