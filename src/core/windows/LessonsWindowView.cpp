// What the Lessons window shows: its texts, its lists, which controls are shown and
// which can be pressed, all from the lesson and the student's place in it.
#include <algorithm>

#include "lessons/LessonSettings.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/ControlTable.h"
#include "windows/LabelPicture.h"
#include "windows/LessonsWindowModel.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

using namespace lessons;

namespace {

struct Region {
    const char* name;
    const char* control;
};
// Graphs named as a teacher names them, where their controls have no caption.
constexpr Region kRegions[] = {{"fft graph", "Picture1"},
                               {"graph of f(t)", "Picture2"},
                               {"graph of f (t)", "Picture2"},
                               {"musical graph", "Picture4"}};

std::string KindWord(StepKind kind) {
    switch (kind) {
        case StepKind::Predict:
            return Translate("FormLessons", "predict");
        case StepKind::Observe:
            return Translate("FormLessons", "observe");
        case StepKind::YourTurn:
            return Translate("FormLessons", "your turn");
        case StepKind::Question:
            break;
    }
    return Translate("FormLessons", "question");
}

std::string Join(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + "\n" + b;
}

}  // namespace

// The main window's control a "look at:" names: a control's own name, a graph, or the
// caption of a control, a frame, a menu or the label beside a field.
std::string LookAtControl(const ViewState& main, const std::string& lookAt) {
    const std::string wanted = LowerAscii(Trim(lookAt));
    if (wanted.empty()) return "";
    if (main.controls.count(Trim(lookAt))) return Trim(lookAt);
    for (const Region& r : kRegions)
        if (wanted == r.name) return r.control;
    for (const std::string& name : main.order)
        if (LowerAscii(Trim(main[name].caption)) == wanted) {
            // A label names the field beside it: the field is framed.
            const auto at = std::find(main.order.begin(), main.order.end(), name);
            if (main[name].kind == ControlKind::Label && at + 1 != main.order.end() &&
                main[*(at + 1)].kind == ControlKind::TextBox)
                return *(at + 1);
            return name;
        }
    return "";
}

const ViewState& LessonsWindowModel::View() const {
    // Read whenever the window is shown again: the main window may have changed since
    // (a "your turn" step set up). The frame in the main window follows the handlers
    // of this window only, so that the main window, shown first, is never behind it.
    const_cast<LessonsWindowModel*>(this)->Refresh(false);
    return view_;
}

std::string LessonsWindowModel::EntryRow(const LessonEntry& entry) const {
    if (entry.read.lesson) return entry.read.lesson->title.In(language_);
    std::string why;
    for (const LessonProblem& p : entry.read.problems)
        if (p.error) {
            why = p.line > 0 ? FillIn(Translate("Lessons", "line %1: %2"),
                                      {std::to_string(p.line), p.text})
                             : p.text;
            break;
        }
    return FillIn(Translate("FormLessons", "%1 (broken: %2)"),
                  {entry.folder.filename().string(), why});
}

std::string LessonsWindowModel::AnswerText(const Step& step) const {
    if (!step.Asks()) return "";
    if (!step.choices.empty())
        return step.choices[static_cast<size_t>(step.correctChoice - 1)].text.In(language_);
    const double tolerance = step.tolerance.value_or(0);
    return NumberText(step.answer.value_or(0)) +
           (tolerance > 0 ? " ± " + NumberText(tolerance) : std::string());
}

std::string LessonsWindowModel::StepRow(int index) const {
    const Step& step = session_->Read().steps[static_cast<size_t>(index)];
    std::string row = std::to_string(index + 1) + ". " + KindWord(step.kind);
    if (step.Asks()) row += " → " + AnswerText(step);
    return row;
}

std::string LessonsWindowModel::TitleText() const {
    if (!session_) return Translate("FormLessons", "Choose a lesson in the list.");
    const Lesson& lesson = session_->Read();
    return lesson.title.In(language_) + "\n" + lesson.aim.In(language_) + " " +
           FillIn(Translate("FormLessons", "(about %1 minutes)"), {std::to_string(lesson.minutes)});
}

std::string LessonsWindowModel::StepText() const {
    if (!session_) return "";
    if (finished_) return Translate("FormLessons", "Summary");
    return FillIn(Translate("FormLessons", "Step %1 of %2: %3"),
                  {std::to_string(session_->StepIndex() + 1), std::to_string(session_->StepCount()),
                   KindWord(session_->Current().kind)});
}

std::string LessonsWindowModel::BodyText() const {
    if (!session_) return brokenMessage_;
    if (finished_) return session_->Read().summary.In(language_);
    const Step& step = session_->Current();
    std::string text = Join(step.text.In(language_), step.ask.In(language_));
    // A control named by its own name ("lblAliasing") is only framed: the text says
    // what it is.
    if (!step.lookAt.empty() && !main_.View().controls.count(Trim(step.lookAt)))
        text = Join(text, FillIn(Translate("FormLessons", "Look at: %1"),
                                 {Translate("Form1", step.lookAt)}));
    if (teacher_ && step.Asks())
        text = Join(text, FillIn(Translate("FormLessons", "Answer: %1"), {AnswerText(step)}));
    return text;
}

std::string LessonsWindowModel::FeedbackText() const {
    if (!session_ || finished_) return feedback_;
    std::string text = feedback_;
    for (const LessonProblem& p : session_->Problems()) text = Join(text, p.text);
    if (session_->Current().kind != StepKind::YourTurn) return text;
    const std::vector<Difference> left = session_->StillDiffers();
    if (left.empty()) return Join(text, Translate("FormLessons", "Done: press Next."));
    std::string still = Translate("FormLessons", "Still to set:");
    for (const Difference& d : left) still += "\n" + DifferenceText(d);
    return Join(text, still);
}

void LessonsWindowModel::ShowHighlight() {
    const bool shown = session_ && !finished_ && view_.shown;
    main_.Highlight(shown ? LookAtControl(main_.View(), session_->Current().lookAt) : "");
}

void LessonsWindowModel::Refresh(bool highlight) {
    std::vector<std::string>& rows = view_["lstLessons"].items;
    rows.clear();
    for (const LessonEntry& e : entries_) rows.push_back(EntryRow(e));
    view_["lstLessons"].max = std::max(0, static_cast<int>(rows.size()) - 1);
    const bool open = session_ != nullptr;
    const bool stepShown = open && !finished_;
    const Step* step = stepShown ? &session_->Current() : nullptr;
    const bool asks = step && step->Asks();
    const bool choices = asks && !step->choices.empty();
    // A step's picture stands at the right of its text, which gives it room.
    const bool picture = step && !step->image.empty();
    view_["imgStep"].visible = picture;
    view_["imgStep"].picture =
        picture ? kPictureFile + (session_->Read().folder / step->image).string() : "";
    view_["lblText"].width = picture ? 7380 - 2820 : 7380;
    view_["txtAnswer"].visible = asks && !choices;
    view_["cmdCheck"].visible = asks;
    for (int i = 0; i < kMaxLessonChoices; ++i) {
        ControlState& option = view_[Indexed("optChoice", i)];
        option.visible = choices && i < static_cast<int>(step->choices.size());
        option.caption =
            option.visible ? step->choices[static_cast<size_t>(i)].text.In(language_) : "";
        option.checked = chosen_ == i + 1;
    }
    view_["cmdBack"].enabled = open && (finished_ || session_->StepIndex() > 0);
    view_["cmdNext"].enabled = stepShown && session_->CanGoNext();
    view_["cmdRestore"].enabled = stepShown;
    view_["cmdRestart"].enabled = open;
    view_["cmdTeacher"].caption = teacher_ ? QT_TRANSLATE_NOOP("FormLessons", "Student view")
                                           : QT_TRANSLATE_NOOP("FormLessons", "Teacher preview");
    view_["lblSteps"].visible = view_["lstSteps"].visible = teacher_ && open;
    std::vector<std::string>& steps = view_["lstSteps"].items;
    steps.clear();
    for (int i = 0; open && i < session_->StepCount(); ++i) steps.push_back(StepRow(i));
    view_["lstSteps"].max = std::max(0, static_cast<int>(steps.size()) - 1);
    view_["lstSteps"].value = open ? session_->StepIndex() : -1;  // the step shown
    if (highlight) ShowHighlight();
}

}  // namespace quorbel
