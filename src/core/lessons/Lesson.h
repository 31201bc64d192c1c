#pragma once
// A lesson: a title, an aim, a time estimate and steps, ending with a summary tied to
// the aim. It is read from one folder (its text "lesson.txt", its pictures and
// sounds), written by a teacher as "key: value" lines (LessonLines.h):
//
//   title: A square wave is a sum of sines       a lesson's own keys, anywhere
//   title.pt: Uma onda quadrada ...              a translation beside the original
//   step: observe                                predict, observe, your turn, question
//   Waves: Simple waves                          settings, named by their captions
//   text: Look at the FFT graph.                 what the student reads
//   look at: FFT graph                           the control or graph highlighted
//   ask: Where is the second peak?               a question's own text
//   check: peak 2 frequency                      the program's number it is checked on
//   answer: 90                                   the teacher's answer, checked too
//   mistake: 60 / feedback: ...                  a typical wrong number and its feedback
//   choice: ... / feedback: ...                  the choices, each with its feedback
//   hint: ... / explain: ...                     after a first and a second miss
//
// Texts are translated per key by a language suffix ("text.pt", "hint.es"); a text
// without one for the user's language shows the original. Numbers and settings are
// written once, with no language.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lessons/LessonLines.h"
#include "lessons/LessonSettings.h"

namespace quorbel::lessons {

// A text and its translations, by language ("pt", "es"; "pt_BR" finds "pt").
struct LessonText {
    std::string original;
    std::map<std::string, std::string> translated;

    // The text in `language`, or the original when it has no translation there.
    const std::string& In(const std::string& language) const;
    bool Empty() const { return original.empty(); }
};

enum class StepKind { Predict, Observe, YourTurn, Question };

// A typical wrong number and what it says about the mistake.
struct Mistake {
    double value = 0;
    LessonText feedback;
    int line = 0;
};

struct Choice {
    LessonText text;
    LessonText feedback;  // for a wrong choice: what that choice misunderstands
    int line = 0;
};

struct Step {
    StepKind kind = StepKind::Observe;
    int line = 0;
    LessonText text;
    LessonText ask;  // the question itself, for predict and question steps
    // Observe, predict and question: what the step sets (a predict step after the
    // answer); your turn: what the student must set.
    std::vector<Setting> settings;
    std::vector<std::string> opens;  // main-window menu entries opened, by caption
    std::string lookAt;              // the caption of the control or graph to look at
    std::string image;               // a picture in the lesson's folder
    // Predict and question steps.
    std::string check;  // the program's number: "peak 2 frequency" (LessonAnswers.h)
    int checkLine = 0;
    std::optional<double> answer;  // a number question's answer as the teacher wrote it
    int correctChoice = 0;         // a choice question's right choice, from 1
    int answerLine = 0;
    std::optional<double> tolerance;
    int toleranceLine = 0;
    std::vector<Mistake> mistakes;
    std::vector<Choice> choices;
    LessonText hint;     // after a first miss
    LessonText explain;  // after a second miss
    LessonText right;    // said for a right answer (a default when empty)

    bool Asks() const { return kind == StepKind::Predict || kind == StepKind::Question; }
};

struct Lesson {
    std::filesystem::path folder;
    std::filesystem::path file;
    LessonText title, aim, summary;
    int minutes = 0;
    std::vector<Step> steps;
};

// A lesson read, or the messages of what keeps it from being one (errors), with the
// warnings of a usable lesson.
struct LessonRead {
    std::optional<Lesson> lesson;
    std::vector<LessonProblem> problems;
};

// The file name of a lesson's text inside its folder.
inline constexpr const char* kLessonFileName = "lesson.txt";

// Reads the lesson text `bytes`; `file` names it in messages and gives its folder.
LessonRead ParseLesson(std::string_view bytes, const std::filesystem::path& file);
// Reads the lesson in `path`: a lesson folder, or the lesson text itself.
LessonRead ReadLesson(const std::filesystem::path& path);

// "observe", "your turn" ... as a lesson writes the kind.
const char* StepKindWord(StepKind kind);

}  // namespace quorbel::lessons
