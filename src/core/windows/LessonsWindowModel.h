#pragma once
// The Lessons window ("FFT Quorbel - Lessons"), opened by "Examples" in the main
// window's Help menu: the list of lessons (a broken one listed with its message), the
// step the student stands on with the control or graph it points to framed in the
// main window, the answer field or the choices, and Back, Next, "Restore this step"
// and Restart. "Copy window state as lesson lines" puts the main window's state on
// the clipboard as the lines of a step; the teacher preview shows the answers and
// lists the steps, any of which a click opens. Where each student stands in each
// lesson is kept between runs (LessonLibrary.h).
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lessons/LessonLibrary.h"
#include "lessons/LessonSession.h"
#include "platform/Platform.h"
#include "windows/Window.h"

namespace quorbel {

class MainWindowModel;
class LessonsWindowModel;
template <class M>
struct ControlTable;

inline constexpr double kLessonsWidth = 10800, kLessonsHeight = 7320;
// The choices a question may offer.
inline constexpr int kMaxLessonChoices = 5;

ViewState LessonsWindowInitialView();
const ControlTable<LessonsWindowModel>& LessonsWindowTable();
// The main window's control a step's "look at:" names, or "" when none.
std::string LookAtControl(const ViewState& main, const std::string& lookAt);

class LessonsWindowModel : public TableWindow<LessonsWindowModel> {
  public:
    LessonsWindowModel(Platform& platform, MainWindowModel& main,
                       std::filesystem::path progressFile);
    static const ControlTable<LessonsWindowModel>& Table();

    // The folders of the lessons the program ships (the toolkit layer knows them).
    void SetShippedFolders(std::vector<std::filesystem::path> folders);
    // Shows the window with the lessons found now.
    void Show();
    // Opens the lesson in `path` (a folder or its lesson.txt) where the student left
    // it; false, its message shown in the window, when it is broken.
    bool OpenLesson(const std::filesystem::path& path);

    // The view follows the main window: a "your turn" step's Next is enabled as soon
    // as the main window holds what the step asks for.
    const ViewState& View() const override;

    const lessons::LessonSession* Session() const { return session_.get(); }
    const std::vector<lessons::LessonEntry>& Entries() const { return entries_; }
    bool Finished() const { return finished_; }
    const std::string& Language() const { return language_; }
    void SetLanguage(std::string language) { language_ = std::move(language); }

    // What the bound labels show.
    std::string TitleText() const;
    std::string StepText() const;
    std::string BodyText() const;
    std::string FeedbackText() const;

  private:
    void Form_Unload();
    void lstLessons_Change();
    void lstSteps_Change();
    void cmdOpen_Click();
    void cmdTeacher_Click();
    void cmdCopy_Click();
    void cmdCheck_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdRestore_Click();
    void cmdRestart_Click();
    void ChooseOption(int index);
    void TypeAnswer(const std::string& text) { typed_ = text; }

    void FindLessons();
    void Start(const lessons::Lesson& lesson);
    void GoTo(int step);
    // Captions, rows, what is shown and what can be pressed, from the state; with the
    // frame around the main window's control the step points to.
    void Refresh(bool highlight = true);
    void ShowHighlight();
    std::string EntryRow(const lessons::LessonEntry& entry) const;
    std::string StepRow(int index) const;
    std::string AnswerText(const lessons::Step& step) const;

    Platform& platform_;
    MainWindowModel& main_;
    lessons::LessonProgress progress_;
    std::string language_;
    std::vector<std::filesystem::path> shipped_;
    std::vector<lessons::LessonEntry> entries_;
    std::optional<lessons::LessonEntry> opened_;  // a lesson opened from elsewhere
    std::unique_ptr<lessons::LessonSession> session_;
    std::string brokenMessage_;
    std::string typed_;
    int chosen_ = 0;  // the choice selected, from 1; 0 for none
    std::string feedback_;
    bool teacher_ = false;
    bool finished_ = false;
};

}  // namespace quorbel
