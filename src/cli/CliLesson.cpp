#include "CliLesson.h"

#include <QTemporaryDir>
#include <fstream>
#include <ostream>

#include "CliPlatform.h"
#include "CliRun.h"
#include "lessons/LessonCheck.h"
#include "platform/Translation.h"
#include "state/ParamFile.h"
#include "surface/RecordingSurface.h"
#include "views/LessonFolders.h"
#include "windows/MainWindowModel.h"

namespace quorbel::cli {

namespace fs = std::filesystem;
using namespace lessons;

namespace {

// Whether `path` lies in one of the folders the program ships its lessons in.
bool Shipped(const fs::path& path) {
    std::error_code error;
    const fs::path real = fs::weakly_canonical(path, error);
    for (const fs::path& folder : ShippedLessonFolders()) {
        const fs::path base = fs::weakly_canonical(folder, error);
        const auto [end, rest] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
        if (!base.empty() && end == base.end()) return true;
    }
    return false;
}

// A main window of the program's default opening parameters, drawing nowhere.
struct Bench {
    Bench() : platform(""), paramFile(Folder()) {
        std::ofstream(paramFile, std::ios::binary) << ParamFile::DefaultRecord();
        window = std::make_unique<MainWindowModel>(platform, ParamFile(paramFile),
                                                   MainWindowSurfaces{p1, p2, p8, p9, form5});
    }
    fs::path Folder() const { return fs::path(folder.path().toStdString()) / "Zparamfile.wr"; }

    QTemporaryDir folder;
    CliPlatform platform;
    fs::path paramFile;
    RecordingSurface p1{kPicture1Width, kPicture1Height}, p2{kPicture2Width, kPicture2Height};
    RecordingSurface p8{kHalfGraphWidth, kHalfGraphHeight}, p9{kHalfGraphWidth, kHalfGraphHeight};
    RecordingSurface form5{kReportWidth, kReportHeight};
    std::unique_ptr<MainWindowModel> window;
};

void PrintQuestions(const LessonCheck& check, std::ostream& out) {
    for (const CheckedQuestion& q : check.questions) {
        out << FillIn(Translate("CommandLine", "step %1 (line %2), %3: %4"),
                      {std::to_string(q.step), std::to_string(q.line), StepKindWord(q.kind),
                       q.question})
            << '\n';
        out << "    "
            << FillIn(Translate("CommandLine",
                                "the program's numbers give: %1; the lesson's "
                                "answer: %2"),
                      {q.program.empty() ? "-" : q.program, q.teacher})
            << '\n';
    }
}

}  // namespace

int CheckLessonCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    bool strict = false;
    std::vector<std::string> paths;
    for (const std::string& a : arguments)
        (a == "--strict" ? (void)(strict = true) : paths.push_back(a));
    if (paths.size() != 1) {
        err << "fftquorbel-cli: "
            << Translate("CommandLine", "usage: fftquorbel-cli lesson [--strict] LESSON-FOLDER")
            << '\n';
        return kExitUsage;
    }
    const fs::path path = paths[0];
    const LessonRead read = ReadLesson(path);
    Bench bench;
    if (read.lesson && !bench.window->Form_Load()) {
        err << "fftquorbel-cli: " << Translate("CommandLine", "the main window cannot start")
            << '\n';
        return kExitUsage;
    }
    const LessonCheck check = CheckLesson(*bench.window, read, strict || Shipped(path));
    if (read.lesson)
        out << FillIn(Translate("CommandLine", "lesson: %1 (%2 steps, %3 minutes)"),
                      {read.lesson->title.original, std::to_string(read.lesson->steps.size()),
                       std::to_string(read.lesson->minutes)})
            << '\n';
    PrintQuestions(check, out);
    for (const LessonProblem& p : check.problems)
        err << path.string() << ": " << ProblemLine(p) << '\n';
    for (const std::string& message : bench.platform.messages)
        err << path.string() << ": " << message << '\n';
    const bool good = check.Good() && bench.platform.messages.empty();
    out << (good ? Translate("CommandLine", "the lesson is good")
                 : Translate("CommandLine", "the lesson is broken"))
        << '\n';
    return good ? kExitOk : kExitMessage;
}

}  // namespace quorbel::cli
