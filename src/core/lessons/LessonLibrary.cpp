#include "lessons/LessonLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "state/FileCalls.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "state/ParamFile.h"

namespace quorbel::lessons {

namespace fs = std::filesystem;

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path Home() {
    const std::string home = Variable("HOME");
    return home.empty() ? fs::current_path() : fs::path(home);
}

}  // namespace

fs::path UserLessonFolder() {
    const std::string data = Variable("XDG_DATA_HOME");
    const fs::path base = data.empty() ? Home() / ".local" / "share" : fs::path(data);
    return base / "fftquorbel" / "lessons";
}

std::vector<fs::path> LessonFolders(const std::vector<fs::path>& shipped) {
    std::vector<fs::path> folders = shipped;
    std::string dirs = Variable("XDG_DATA_DIRS");
    if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
    std::stringstream list(dirs);
    for (std::string dir; std::getline(list, dir, ':');)
        if (!dir.empty()) folders.push_back(fs::path(dir) / "fftquorbel" / "lessons");
    folders.push_back(UserLessonFolder());
    std::vector<fs::path> unique;
    for (const fs::path& folder : folders) {
        std::error_code error;
        const fs::path real = fs::weakly_canonical(folder, error);
        const fs::path key = error ? folder.lexically_normal() : real;
        if (std::find(unique.begin(), unique.end(), key) == unique.end()) unique.push_back(key);
    }
    return unique;
}

std::vector<LessonEntry> FindLessons(const std::vector<fs::path>& folders) {
    std::vector<LessonEntry> lessons;
    for (const fs::path& folder : folders) {
        std::error_code error;
        std::vector<fs::path> found;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error))
            if (fs::exists(it->path() / kLessonFileName, error)) found.push_back(it->path());
        std::sort(found.begin(), found.end());
        for (const fs::path& lesson : found) lessons.push_back({lesson, ReadLesson(lesson)});
    }
    return lessons;
}

LessonProgress::LessonProgress(fs::path file) : file_(std::move(file)) {
    std::ifstream in(file_);
    for (std::string line; std::getline(in, line);) {
        const size_t tab = line.rfind('\t');
        if (tab == std::string::npos) continue;
        steps_[line.substr(0, tab)] = std::max(0, WholeNumber(line.substr(tab + 1)));
    }
}

fs::path LessonProgress::DefaultPath() {
    return ParamFile::DefaultPath().parent_path() / "lessons-progress";
}

int LessonProgress::StepOf(const fs::path& lesson) const {
    const auto found = steps_.find(lesson.lexically_normal().string());
    return found == steps_.end() ? 0 : found->second;
}

bool LessonProgress::Keep(const fs::path& lesson, int step, std::string* error) {
    steps_[lesson.lexically_normal().string()] = step;
    std::string content;
    for (const auto& [name, at] : steps_)
        if (name.find('\n') == std::string::npos)
            content += name + "\t" + std::to_string(at) + "\n";
    std::error_code made;
    fs::create_directories(file_.parent_path(), made);
    std::string why;
    const bool written = ReplaceFile(file_, content, FileCalls::System(), &why);
    if (error) *error = why;
    return written;
}

}  // namespace quorbel::lessons
