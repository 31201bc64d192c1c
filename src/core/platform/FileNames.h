#pragma once
// File names chosen in a save dialog, and file names shown in a line of text.
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace quorbel {

// `path` with "." + `extension` appended when its file name (the part after the last
// '/') holds no '.'; otherwise `path` unchanged. The save dialog adds the same
// extension by the same rule before it asks about replacing an existing file, so the
// question is always about the name finally written.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// A file's name as a line of text shows it: each control character (a newline, a tab)
// as '?', so that a line of the report or a title never breaks where the name does.
std::string OneLineName(std::string name);

// The picture format a file name asks for by its extension (".png", ".svg", ".pdf");
// nothing for any other name.
std::optional<PictureFormat> PictureFormatOf(const std::string& name);

}  // namespace quorbel
