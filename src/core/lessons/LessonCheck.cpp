#include "lessons/LessonCheck.h"

#include <cmath>
#include <set>

#include "lessons/LessonSession.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel::lessons {

namespace {

// The languages every shipped lesson speaks besides its own.
constexpr const char* kLessonLanguages[] = {"pt", "es"};

bool HasWord(const std::string& text, const std::string& word) {
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const auto digit = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
        const bool before = at > 0 && digit(text[at - 1]);
        const bool after = at + word.size() < text.size() && digit(text[at + word.size()]);
        if (!before && !after) return true;
    }
    return false;
}

class Checker {
  public:
    Checker(MainWindowModel& main, const Lesson& lesson, bool strict)
        : session_(main, lesson, ""), main_(main), lesson_(lesson), strict_(strict) {}

    LessonCheck Run() {
        std::set<StepKind> kinds;
        for (int i = 0; i < session_.StepCount(); ++i) {
            const Step& step = lesson_.steps[static_cast<size_t>(i)];
            kinds.insert(step.kind);
            session_.GoTo(i);
            for (const LessonProblem& p : session_.Problems()) Error(p.line, p.text);
            if (step.kind == StepKind::YourTurn) YourTurn(i, step);
            if (step.Asks()) Question(i, step);
            if (strict_) Translated(step);
        }
        if (strict_) Strict(kinds);
        return std::move(result_);
    }

  private:
    void Error(int line, const std::string& text) {
        result_.problems.push_back({line, text, true});
    }
    void Warn(int line, const std::string& text) {
        result_.problems.push_back({line, text, strict_});
    }

    void YourTurn(int index, const Step& step) {
        ApplySettings(main_, Merged(session_.StateOf(index, false), step.settings), lesson_.folder);
        for (const Difference& d : Differences(main_, step.settings))
            Error(d.wanted.line, FillIn(Translate("Lessons", "the window cannot be set so: %1"),
                                        {DifferenceText(d)}));
        session_.Restore();
    }

    void Question(int index, const Step& step) {
        CheckedQuestion q{index + 1, step.line,
                          step.kind, step.ask.Empty() ? step.text.original : step.ask.original,
                          "",        ""};
        const std::optional<ProgramAnswer> before =
            step.check.empty() ? std::nullopt : AnswerOf(main_, step.check);
        if (step.choices.empty())
            session_.AnswerNumber(NumberText(step.answer.value_or(0)));
        else
            session_.AnswerChoice(step.correctChoice);
        const std::optional<ProgramAnswer> program = session_.Expected();
        q.teacher = step.choices.empty()
                        ? NumberText(step.answer.value_or(0))
                        : step.choices[static_cast<size_t>(step.correctChoice - 1)].text.original;
        if (step.check.empty() && step.kind == StepKind::Predict && !step.choices.empty()) {
            // A choice between ideas, told by what the window then shows.
        } else if (step.check.empty()) {
            Warn(step.line, Translate("Lessons",
                                      "the question is not checked against the program's "
                                      "numbers (no \"check:\")"));
        } else if (!IsCheck(step.check)) {
            Error(step.checkLine,
                  FillIn(Translate("Lessons", "\"%1\" names no number of the program"),
                         {step.check}));
        } else if (!program) {
            Error(step.checkLine,
                  FillIn(Translate("Lessons", "the window shows no %1 here"), {step.check}));
        } else {
            q.program = program->text;
            Compare(step, *program);
            if (step.kind == StepKind::Predict && before && before->text == program->text)
                Warn(step.line, Translate("Lessons",
                                          "the window shows the answer before the "
                                          "prediction is asked"));
        }
        Visible(step, q.teacher);
        Feedback(step);
        result_.questions.push_back(std::move(q));
    }

    void Compare(const Step& step, const ProgramAnswer& program) {
        if (step.choices.empty()) {
            if (!program.number) {
                Error(step.checkLine,
                      Translate("Lessons", "a number question needs a number to check"));
                return;
            }
            const double tolerance = step.tolerance.value_or(0);
            if (std::abs(*step.answer - *program.number) > tolerance + 1e-9)
                Error(step.answerLine,
                      FillIn(Translate("Lessons",
                                       "the answer is %1, but the program's numbers give %2"),
                             {NumberText(*step.answer), program.text}));
            if (tolerance < program.shown)
                Warn(step.toleranceLine ? step.toleranceLine : step.line,
                     FillIn(Translate("Lessons",
                                      "the tolerance %1 is finer than the window shows "
                                      "(steps of %2)"),
                            {NumberText(tolerance), NumberText(program.shown)}));
            for (const Mistake& m : step.mistakes)
                if (std::abs(m.value - *step.answer) <= tolerance)
                    Error(m.line,
                          Translate("Lessons", "this mistake is taken for the right answer"));
            return;
        }
        const std::string& right =
            step.choices[static_cast<size_t>(step.correctChoice - 1)].text.original;
        const bool matches = program.number ? HasWord(right, program.text)
                                            : HasWord(right, program.text) || right == program.text;
        if (!matches)
            Error(step.answerLine, FillIn(Translate("Lessons",
                                                    "the right choice does not say %1, "
                                                    "which the program's numbers give"),
                                          {program.text}));
    }

    void Visible(const Step& step, const std::string& answer) {
        if (!step.choices.empty()) return;
        const std::string before = step.text.original + "\n" + step.ask.original;
        if (HasWord(before, answer))
            Warn(step.line, FillIn(Translate("Lessons",
                                             "the answer %1 can be read before its "
                                             "question is asked"),
                                   {answer}));
    }

    void Feedback(const Step& step) {
        if (step.choices.empty() && step.mistakes.empty())
            Warn(step.line, Translate("Lessons",
                                      "no typical wrong number has its feedback "
                                      "(\"mistake:\" and \"feedback:\")"));
        for (size_t c = 0; c < step.choices.size(); ++c)
            if (static_cast<int>(c) + 1 != step.correctChoice && step.choices[c].feedback.Empty())
                Warn(step.choices[c].line,
                     Translate("Lessons", "this wrong choice has no feedback"));
        for (const Mistake& m : step.mistakes)
            if (m.feedback.Empty())
                Warn(m.line, Translate("Lessons", "this mistake has no feedback"));
        if (step.kind == StepKind::Question && (step.hint.Empty() || step.explain.Empty()))
            Warn(step.line,
                 Translate("Lessons", "the question needs a \"hint:\" and an \"explain:\""));
    }

    void Translated(const Step& step) {
        std::vector<const LessonText*> texts = {&step.text, &step.ask, &step.hint, &step.explain,
                                                &step.right};
        for (const Choice& c : step.choices) texts.push_back(&c.text), texts.push_back(&c.feedback);
        for (const Mistake& m : step.mistakes) texts.push_back(&m.feedback);
        for (const LessonText* t : texts) Languages(step.line, *t);
    }

    void Languages(int line, const LessonText& text) {
        for (const char* language : kLessonLanguages)
            if (!text.Empty() && !text.translated.count(language))
                Error(line,
                      FillIn(Translate("Lessons", "a text has no translation \"%1\""), {language}));
    }

    void Strict(const std::set<StepKind>& kinds) {
        for (const StepKind kind :
             {StepKind::Predict, StepKind::Observe, StepKind::YourTurn, StepKind::Question})
            if (!kinds.count(kind))
                Error(0, FillIn(Translate("Lessons", "the lesson has no \"%1\" step"),
                                {StepKindWord(kind)}));
        if (lesson_.steps.empty() || lesson_.steps.back().kind != StepKind::Question)
            Error(0, Translate("Lessons", "the lesson does not end with a question"));
        for (const LessonText* t : {&lesson_.title, &lesson_.aim, &lesson_.summary})
            Languages(0, *t);
    }

    LessonSession session_;
    MainWindowModel& main_;
    const Lesson& lesson_;
    bool strict_;
    LessonCheck result_;
};

}  // namespace

bool LessonCheck::Good() const {
    for (const LessonProblem& p : problems)
        if (p.error) return false;
    return true;
}

std::string ProblemLine(const LessonProblem& problem) {
    const std::string text =
        problem.error ? problem.text : FillIn(Translate("Lessons", "warning: %1"), {problem.text});
    if (problem.line <= 0) return text;
    return FillIn(Translate("Lessons", "line %1: %2"), {std::to_string(problem.line), text});
}

LessonCheck CheckLesson(MainWindowModel& main, const LessonRead& read, bool strict) {
    if (!read.lesson) return {{}, read.problems};
    LessonCheck check = Checker(main, *read.lesson, strict).Run();
    check.problems.insert(check.problems.begin(), read.problems.begin(), read.problems.end());
    return check;
}

}  // namespace quorbel::lessons
