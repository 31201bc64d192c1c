#include "lessons/LessonSession.h"

#include <algorithm>

#include "platform/Translation.h"
#include "windows/MainWindowModel.h"

namespace quorbel::lessons {

const std::vector<Setting>& LessonStart() {
    static const std::vector<Setting> start = {
        {kMainWindowName, "Change (*1/2)", "0", 0},
        {kMainWindowName, "Method", "Through REALFT", 0},
        {kMainWindowName, "Window", "Rectangular", 0},
        {kMainWindowName, "Frequencies", "Show Only positive frequencies", 0},
        {kMainWindowName, "Scale", "Lin", 0},
    };
    return start;
}

LessonSession::LessonSession(MainWindowModel& main, Lesson lesson, std::string language)
    : main_(main), lesson_(std::move(lesson)), language_(std::move(language)) {}

std::vector<Setting> LessonSession::StateOf(int index, bool answered) const {
    std::vector<Setting> state = LessonStart();
    // The main window's settings carry on; those of other windows (often a button
    // pressed there) belong to their own step.
    for (int i = 0; i < index && i < StepCount(); ++i) {
        std::vector<Setting> main;
        for (const Setting& s : lesson_.steps[static_cast<size_t>(i)].settings)
            if (s.window == kMainWindowName) main.push_back(s);
        state = Merged(state, main);
    }
    if (index < 0 || index >= StepCount()) return state;
    const Step& step = lesson_.steps[static_cast<size_t>(index)];
    const bool shown = step.kind == StepKind::Observe || step.kind == StepKind::Question ||
                       (step.kind == StepKind::Predict && answered);
    return shown ? Merged(state, step.settings) : state;
}

void LessonSession::GoTo(int index) {
    index_ = std::clamp(index, 0, std::max(0, StepCount() - 1));
    answered_ = false;
    misses_ = 0;
    Apply(false);
}

void LessonSession::Restore() {
    Apply(answered_);
}

void LessonSession::Apply(bool answered) {
    const Step& step = Current();
    problems_.clear();
    // The main window first, then the windows the step opens from its menus, then
    // what the step sets in those windows.
    std::vector<Setting> main, others;
    for (const Setting& s : StateOf(index_, answered))
        (s.window == kMainWindowName ? main : others).push_back(s);
    const auto apply = [this](const std::vector<Setting>& settings) {
        const std::vector<LessonProblem> failed = ApplySettings(main_, settings, lesson_.folder);
        problems_.insert(problems_.end(), failed.begin(), failed.end());
    };
    apply(main);
    for (const std::string& entry : step.opens) {
        bool opened = false;
        for (const std::string& name : main_.View().order) {
            const ControlState& c = main_.View()[name];
            if (c.kind == ControlKind::MenuItem && c.caption == entry)
                opened = main_.Fire(name, Event::Click);
        }
        if (!opened)
            problems_.push_back(
                {step.line, FillIn(Translate("Lessons",
                                             "\"open: %1\" names no entry of the main "
                                             "window's menus"),
                                   {entry})});
    }
    apply(others);
    if (step.Asks() && (step.kind == StepKind::Question || answered))
        expected_ = step.check.empty() ? std::nullopt : AnswerOf(main_, step.check);
    else
        expected_.reset();
}

bool LessonSession::CanGoNext() const {
    if (index_ >= StepCount()) return false;
    switch (Current().kind) {
        case StepKind::Observe:
            return true;
        case StepKind::YourTurn:
            return StillDiffers().empty();
        case StepKind::Predict:
        case StepKind::Question:
            break;
    }
    return answered_;
}

std::vector<Difference> LessonSession::StillDiffers() const {
    if (Current().kind != StepKind::YourTurn) return {};
    return Differences(main_, Current().settings);
}

double LessonSession::ExpectedNumber() const {
    if (expected_ && expected_->number) return *expected_->number;
    return Current().answer.value_or(0);
}

Verdict LessonSession::AnswerNumber(const std::string& typed) {
    const Step& step = Current();
    if (!StudentNumber(typed)) return JudgeNumber(step, 0, typed, misses_, language_);
    if (step.kind == StepKind::Predict && !answered_) {
        // The prediction is in: the window shows what happens, and the verdict
        // compares the prediction with what it shows.
        answered_ = true;
        Apply(true);
    }
    const Verdict verdict = JudgeNumber(step, ExpectedNumber(), typed, misses_, language_);
    if (!verdict.right) ++misses_;
    answered_ = answered_ || verdict.right || misses_ >= 2;
    return verdict;
}

Verdict LessonSession::AnswerChoice(int chosen) {
    const Step& step = Current();
    if (chosen < 1 || chosen > static_cast<int>(step.choices.size()))
        return JudgeChoice(step, chosen, misses_, language_);
    if (step.kind == StepKind::Predict && !answered_) {
        answered_ = true;
        Apply(true);
    }
    const Verdict verdict = JudgeChoice(step, chosen, misses_, language_);
    if (!verdict.right) ++misses_;
    answered_ = answered_ || verdict.right || misses_ >= 2;
    return verdict;
}

}  // namespace quorbel::lessons
