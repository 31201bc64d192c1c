#pragma once
// The check of a lesson before students see it: the lesson is run step by step in a
// main window, every question is answered by the program's own numbers, and what a
// teacher would want to know is said, naming the line: errors (a setting the window
// refuses, an answer the program contradicts, a check it cannot make) and warnings
// (a tolerance finer than the window shows, an answer to be read before its
// question is asked, a wrong answer without feedback of its own). Shipped lessons are
// checked strictly: their warnings are errors, and they must use every kind of step,
// end with a question and be translated into every language of the program.
#include <string>
#include <vector>

#include "lessons/Lesson.h"

namespace quorbel {
class MainWindowModel;
}

namespace quorbel::lessons {

struct CheckedQuestion {
    int step = 0;  // from 1
    int line = 0;
    StepKind kind = StepKind::Question;
    std::string question;  // as the lesson writes it, in its own language
    std::string program;   // the answer the program's numbers give
    std::string teacher;   // the lesson's answer (a number, or the right choice)
};

struct LessonCheck {
    std::vector<CheckedQuestion> questions;
    std::vector<LessonProblem> problems;
    bool Good() const;  // no error
};

// `main` is a loaded main window the lesson may change at will.
LessonCheck CheckLesson(MainWindowModel& main, const LessonRead& read, bool strict);

// "line 12: ..." or, for the file as a whole, the text alone.
std::string ProblemLine(const LessonProblem& problem);

}  // namespace quorbel::lessons
