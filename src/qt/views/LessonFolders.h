#pragma once
// The folders the program's own lessons are in: share/fftquorbel/lessons beside the
// installed program, or the source tree's data/lessons for a program run from its
// build tree. The lesson library adds the system's and the user's folders.
#include <filesystem>
#include <vector>

namespace quorbel {

std::vector<std::filesystem::path> ShippedLessonFolders();

}  // namespace quorbel
