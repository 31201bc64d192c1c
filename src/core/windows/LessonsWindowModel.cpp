#include "windows/LessonsWindowModel.h"

#include <algorithm>
#include <cstdlib>

#include "lessons/LessonSettings.h"
#include "platform/Translation.h"
#include "windows/ControlRows.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

using namespace lessons;

namespace {

using M = LessonsWindowModel;
using B = Behaviour<M>;
using R = RowsOf<M>;
using K = ControlKind;

constexpr const char* kContext = "FormLessons";
constexpr double kLeft = 120, kListWidth = 3000, kRight = 3300, kRightWidth = 7380;
constexpr double kButton = 345, kLine = 255;
constexpr double kAnswerTop = 3900, kChoicePitch = 330, kBottom = 6840;
constexpr double kPictureWidth = 2700;

}  // namespace

const ControlTable<M>& M::Table() {
    static const ControlTable<M> table = {
        kContext,
        "FFT Quorbel - Lessons",
        kLessonsWidth,
        kLessonsHeight,
        {.unload = HANDLER(M, Form_Unload)},
        {
            R::Label("lblLessons", "", "Lessons", {}, kPlain, {kLeft, 120, kListWidth, kLine}),
            {"lstLessons", K::ListBox, "", "", "", {.change = HANDLER(M, lstLessons_Change)},
             kPlain, {kLeft, 420, kListWidth, 3300}},
            R::Label("lblSteps", "", "Steps", {}, kHidden, {kLeft, 3840, kListWidth, kLine}),
            {"lstSteps", K::ListBox, "", "", "", {.change = HANDLER(M, lstSteps_Change)},
             kHidden, {kLeft, 4140, kListWidth, 1680}},
            R::Button("cmdOpen", "", "Open a lesson...", "A lesson folder of your own, or its lesson.txt",
                      HANDLER(M, cmdOpen_Click), kPlain, {kLeft, 5940, kListWidth, kButton}),
            R::Button("cmdTeacher", "", "Teacher preview", "Show the answers and every step",
                      HANDLER(M, cmdTeacher_Click), kPlain, {kLeft, 6360, kListWidth, kButton}),
            R::Button("cmdCopy", "", "Copy window state as lesson lines",
                      "The main window's settings, as the lines of a lesson's step",
                      HANDLER(M, cmdCopy_Click), kPlain, {kLeft, kBottom, kListWidth, kButton}),
            R::Label("lblTitle", "", "", {.text = [](const M& m) { return m.TitleText(); }}, kPlain,
                     {kRight, 120, kRightWidth, 600}),
            R::Label("lblStep", "", "", {.text = [](const M& m) { return m.StepText(); }}, kPlain,
                     {kRight, 780, kRightWidth, kLine}),
            R::Label("lblText", "", "", {.text = [](const M& m) { return m.BodyText(); }}, kBorder,
                     {kRight, 1080, kRightWidth, 2700}),
            // A step's picture, beside its text.
            R::Label("imgStep", "", "", {}, kHidden,
                     {kRight + kRightWidth - kPictureWidth, 1080, kPictureWidth, 2700}),
            R::TextBox("txtAnswer", "", "Your answer",
                       {.text = [](const M& m) { return m.typed_; },
                        .type = [](M& m, const std::string& t) { m.TypeAnswer(t); }},
                       kHidden, {kRight, kAnswerTop, 2400, 300}),
            {"optChoice", K::Option, "", "", "", {}, kHidden,
             {kRight, kAnswerTop, 6000, 300}, {}, {},
             {kMaxLessonChoices, 0, kChoicePitch, [](int i) {
                  return B{.click = {[i](M& m, const EventArgs&) { m.ChooseOption(i); },
                                     "ChooseOption"}};
              }}},
            R::Button("cmdCheck", "", "Check", "", HANDLER(M, cmdCheck_Click), kHidden,
                      {kRight + kRightWidth - 1200, kAnswerTop, 1200, kButton}),
            R::Label("lblFeedback", "", "", {.text = [](const M& m) { return m.FeedbackText(); }},
                     kBorder, {kRight, 5580, kRightWidth, 1140}),
            R::Button("cmdBack", "", "Back", "", HANDLER(M, cmdBack_Click), kDisabled,
                      {kRight, kBottom, 1200, kButton}),
            R::Button("cmdRestore", "", "Restore this step",
                      "Put the main window back as this step set it",
                      HANDLER(M, cmdRestore_Click), kDisabled, {kRight + 1320, kBottom, 2200, kButton}),
            R::Button("cmdRestart", "", "Restart", "Start this lesson again from its first step",
                      HANDLER(M, cmdRestart_Click), kDisabled, {kRight + 3640, kBottom, 1400, kButton}),
            R::Button("cmdNext", "", "Next", "", HANDLER(M, cmdNext_Click), kDisabled,
                      {kRight + kRightWidth - 1200, kBottom, 1200, kButton}),
        }};
    return table;
}

ViewState LessonsWindowInitialView() {
    return ViewOfTable(M::Table());
}

const ControlTable<M>& LessonsWindowTable() {
    return M::Table();
}

LessonsWindowModel::LessonsWindowModel(Platform& platform, MainWindowModel& main,
                                       std::filesystem::path progressFile)
    : TableWindow(Table()), platform_(platform), main_(main), progress_(std::move(progressFile)) {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    language_ = ChooseLanguage(variable("LANGUAGE"), variable("LC_ALL"), variable("LANG"));
    // No lesson is chosen yet: a click on any row, the first too, opens its lesson.
    view_["lstLessons"].value = -1;
}

void LessonsWindowModel::SetShippedFolders(std::vector<std::filesystem::path> folders) {
    shipped_ = std::move(folders);
}

void LessonsWindowModel::Show() {
    FindLessons();
    view_.shown = true;
    ++view_.raised;
    Refresh();
}

void LessonsWindowModel::FindLessons() {
    entries_ = lessons::FindLessons(LessonFolders(shipped_));
}

bool LessonsWindowModel::OpenLesson(const std::filesystem::path& path) {
    if (entries_.empty()) FindLessons();
    view_.shown = true;
    ++view_.raised;
    opened_ = LessonEntry{path, ReadLesson(path)};
    // The list shows the lesson when it is one of its rows.
    int row = -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (std::error_code ignored; std::filesystem::equivalent(entries_[i].folder, path, ignored))
            row = static_cast<int>(i);
    view_["lstLessons"].value = row;
    session_.reset();
    brokenMessage_.clear();
    if (!opened_->read.lesson) {
        for (const LessonProblem& p : opened_->read.problems)
            if (p.error)
                brokenMessage_ +=
                    path.string() + ": " +
                    FillIn(Translate("Lessons", "line %1: %2"), {std::to_string(p.line), p.text}) +
                    "\n";
        Refresh();
        return false;
    }
    Start(*opened_->read.lesson);
    return true;
}

void LessonsWindowModel::Start(const Lesson& lesson) {
    session_ = std::make_unique<LessonSession>(main_, lesson, language_);
    const int step = progress_.StepOf(lesson.folder);
    GoTo(std::min(step, session_->StepCount() - 1));
}

void LessonsWindowModel::GoTo(int step) {
    finished_ = false;
    typed_.clear();
    chosen_ = 0;
    feedback_.clear();
    session_->GoTo(step);
    progress_.Keep(session_->Read().folder, session_->StepIndex());
    Refresh();
}

// --- handlers

void LessonsWindowModel::Form_Unload() {
    view_.shown = false;
    main_.Highlight("");
}

void LessonsWindowModel::lstLessons_Change() {
    const int row = view_["lstLessons"].value;
    if (row < 0 || row >= static_cast<int>(entries_.size())) return;
    const LessonEntry& entry = entries_[static_cast<size_t>(row)];
    opened_.reset();
    session_.reset();
    brokenMessage_.clear();
    if (entry.read.lesson) return Start(*entry.read.lesson);
    brokenMessage_ = EntryRow(entry);
    Refresh();
}

void LessonsWindowModel::lstSteps_Change() {
    if (session_) GoTo(view_["lstSteps"].value);
}

void LessonsWindowModel::cmdOpen_Click() {
    const std::optional<std::string> path =
        platform_.OpenFileName(Translate("FormLessons", "Lesson (lesson.txt)") + "|lesson.txt", 0);
    if (path) OpenLesson(*path);
}

void LessonsWindowModel::cmdTeacher_Click() {
    teacher_ = !teacher_;
    Refresh();
}

void LessonsWindowModel::cmdCopy_Click() {
    const std::string lines = StateLines(main_);
    feedback_ = platform_.CopyText(lines)
                    ? Translate("FormLessons", "The main window's state is on the clipboard:") +
                          "\n" + lines
                    : lines;
    Refresh();
}

void LessonsWindowModel::ChooseOption(int index) {
    chosen_ = index + 1;
    Refresh();
}

void LessonsWindowModel::cmdCheck_Click() {
    if (!session_ || finished_) return;
    const Step& step = session_->Current();
    const Verdict verdict =
        step.choices.empty() ? session_->AnswerNumber(typed_) : session_->AnswerChoice(chosen_);
    feedback_ = verdict.feedback;
    Refresh();
}

void LessonsWindowModel::cmdBack_Click() {
    if (!session_) return;
    if (finished_) {
        finished_ = false;
        return Refresh();
    }
    GoTo(session_->StepIndex() - 1);
}

void LessonsWindowModel::cmdNext_Click() {
    if (!session_ || finished_ || !session_->CanGoNext()) return;
    if (session_->StepIndex() + 1 < session_->StepCount()) return GoTo(session_->StepIndex() + 1);
    finished_ = true;
    feedback_.clear();
    Refresh();
}

void LessonsWindowModel::cmdRestore_Click() {
    if (session_ && !finished_) session_->Restore();
    Refresh();
}

void LessonsWindowModel::cmdRestart_Click() {
    if (session_) GoTo(0);
}

}  // namespace quorbel
