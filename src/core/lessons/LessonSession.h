#pragma once
// A student working through one lesson in the main window: the step they stand on,
// the state each step puts the window into, their answers and what was said to them.
//
// The state of step i is the lesson's neutral start (the rectangular window, the
// real-data transform, positive frequencies, the linear scale, no halving) with the
// settings of every earlier step laid over it, and then the step's own: an observe
// or question step shows its settings, a predict step shows them once the
// prediction is in, and a "your turn" step leaves the window as the step before left
// it, for the student to reach the step's settings themselves.
#include <optional>
#include <string>
#include <vector>

#include "lessons/Lesson.h"
#include "lessons/LessonAnswers.h"
#include "lessons/LessonSettings.h"

namespace quorbel {
class MainWindowModel;
}

namespace quorbel::lessons {

class LessonSession {
  public:
    LessonSession(MainWindowModel& main, Lesson lesson, std::string language);

    const Lesson& Read() const { return lesson_; }
    const std::string& Language() const { return language_; }
    int StepIndex() const { return index_; }
    int StepCount() const { return static_cast<int>(lesson_.steps.size()); }
    const Step& Current() const { return lesson_.steps[static_cast<size_t>(index_)]; }

    // The settings step `index` puts the window into: before its answer, or after.
    std::vector<Setting> StateOf(int index, bool answered) const;

    // Stands on step `index` (clamped to the steps) and puts the window into its state.
    void GoTo(int index);
    // "Restore this step": the step's state again, after the student explored.
    void Restore();
    // Next is possible: always after an observe step, after a prediction, once a
    // question is answered right or explained, once "your turn" is reached.
    bool CanGoNext() const;
    // What the window still lacks of a "your turn" step's settings.
    std::vector<Difference> StillDiffers() const;

    // The program's answer to the step's question, read when the step's state was
    // made (for a prediction: once it is in); the teacher's answer when the program
    // gives none.
    std::optional<ProgramAnswer> Expected() const { return expected_; }
    Verdict AnswerNumber(const std::string& typed);
    Verdict AnswerChoice(int chosen);
    bool Answered() const { return answered_; }
    int Misses() const { return misses_; }
    // What could not be set in the windows when the step's state was made.
    const std::vector<LessonProblem>& Problems() const { return problems_; }

  private:
    void Apply(bool answered);
    double ExpectedNumber() const;

    MainWindowModel& main_;
    Lesson lesson_;
    std::string language_;
    int index_ = 0;
    bool answered_ = false;  // predicted, or answered right, or explained
    int misses_ = 0;
    std::optional<ProgramAnswer> expected_;
    std::vector<LessonProblem> problems_;
};

// The neutral start of every lesson.
const std::vector<Setting>& LessonStart();

}  // namespace quorbel::lessons
