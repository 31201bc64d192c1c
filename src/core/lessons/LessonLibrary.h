#pragma once
// Where lessons are found, and where each student's place in them is kept.
// Lessons are folders holding a "lesson.txt"; they are looked for in the folders the
// program ships (handed in by its toolkit layer, which knows where it is installed),
// then the system's ($XDG_DATA_DIRS/fftquorbel/lessons: a lab's administrator puts
// lessons there for every user) and the user's own ($XDG_DATA_HOME/fftquorbel/lessons,
// by default ~/.local/share/fftquorbel/lessons). Within a folder, lessons are listed
// by their folder's name ("01-square-wave", "02-real-sound").
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "lessons/Lesson.h"

namespace quorbel::lessons {

// The folders searched, in order, without the same folder twice.
std::vector<std::filesystem::path> LessonFolders(const std::vector<std::filesystem::path>& shipped);
std::filesystem::path UserLessonFolder();

struct LessonEntry {
    std::filesystem::path folder;
    LessonRead read;  // a broken lesson keeps the messages that say why
};
std::vector<LessonEntry> FindLessons(const std::vector<std::filesystem::path>& folders);

// The step each lesson was left at, by the lesson's folder, kept in a small file
// beside the opening parameters (read when made, written at every change).
class LessonProgress {
  public:
    explicit LessonProgress(std::filesystem::path file);
    // $XDG_CONFIG_HOME/fft-quorbel/lessons-progress, beside the opening parameters.
    static std::filesystem::path DefaultPath();

    int StepOf(const std::filesystem::path& lesson) const;  // 0 when never opened
    // False, with the reason, when the file cannot be written; the step is still kept
    // for this session.
    bool Keep(const std::filesystem::path& lesson, int step, std::string* error = nullptr);

  private:
    std::filesystem::path file_;
    std::map<std::string, int> steps_;
};

}  // namespace quorbel::lessons
