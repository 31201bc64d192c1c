#pragma once
// The program's own numbers a lesson's question is checked on, named in the lesson
// by "check:", and the judgement of a student's answer with its feedback.
//
//   peak N frequency | amplitude | phase | note   row N of the report (from 1, by
//                                                 frequency): hertz, % of the largest,
//                                                 φ in radians, the note the read-out names
//   tallest peak frequency | amplitude | phase | note    the same for the largest peak
//   peak count                                    the rows of the report
//   resolution                                    hertz between two points of the graph
//   line width                                    the tallest peak's width at half its
//                                                 height, hertz
//   nmr line width | nmr peak ppm | nmr signal to noise   the NMR window's read-out: the
//                                                 width at half height (hertz), place and
//                                                 S/N of the peak it measures
#include <optional>
#include <string>

#include "lessons/Lesson.h"

namespace quorbel {
class MainWindowModel;
}

namespace quorbel::lessons {

struct ProgramAnswer {
    std::optional<double> number;
    std::string text;  // a note name ("A4"), or the number as the window writes it
    // The finest step the window shows this quantity in: a tolerance below it asks for
    // digits the student cannot read.
    double shown = 0;
};

// Whether `check` names a number the program can give (LessonAnswers.h's list).
bool IsCheck(const std::string& check);
// The number `check` names, read from the window as it is now; nothing when the
// window shows none (no spectrum yet, fewer peaks than asked for).
std::optional<ProgramAnswer> AnswerOf(const MainWindowModel& main, const std::string& check);

// A number as a student types it: "2.5", and "2,5" with the comma of their language.
std::optional<double> StudentNumber(const std::string& text);

struct Verdict {
    bool right = false;
    std::string feedback;  // in the student's language
};

// The answer `typed` (a number question) or `chosen` (a choice question, from 1) to
// `step`, whose right answer is `expected` (a number; ignored for choices). `misses`
// counts the wrong answers before this one: the first wrong one gets the hint, the
// second and later ones the explanation with the answer. A predict step's answer is
// never refused: its verdict says what the window shows.
Verdict JudgeNumber(const Step& step, double expected, const std::string& typed, int misses,
                    const std::string& language);
Verdict JudgeChoice(const Step& step, int chosen, int misses, const std::string& language);

}  // namespace quorbel::lessons
