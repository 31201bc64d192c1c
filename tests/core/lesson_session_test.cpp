// A student in a lesson: each step puts the window into its state, a prediction is
// shown only once it is in, "your turn" waits for the window to be set up, "Restore
// this step" undoes exploring, and the Lessons window keeps the place in each lesson.
#include <gtest/gtest.h>

#include <fstream>

#include "ModelFixture.h"
#include "lessons/LessonSession.h"
#include "windows/LessonsWindowModel.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

const char* kLesson =
    "title: Folding\ntitle.pt: Rebatimento\naim: fs - f\nminutes: 5\nsummary: it folds\n"
    "step: observe\ntext: a sine\nWaves: Simple waves\ncycles: 100\nSimple wave: Sine wave\n"
    "Display: Vector Rho\nlook at: FFT graph\n"
    "step: predict\nask: where?\ncheck: peak 1 frequency\nanswer: 324\ntolerance: 1\n"
    "mistake: 700\nfeedback: beyond the graph\nexplain: 1024 - 700\n"
    "Number of cycles (per second): 700\n"
    "step: your turn\ntext: choose Hann\nWindow: Hann\nlook at: Window\n"
    "step: question\nask: where now?\ncheck: peak 1 frequency\nanswer: 124\ntolerance: 1\n"
    "Number of cycles (per second): 900\nmistake: 900\nfeedback: no\nhint: fs - f\nexplain: 124\n";

class LessonRun : public ModelFixture {
  protected:
    LessonRun() {
        folder_ = dir_ / "10-folding";
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "lesson.txt") << kLesson;
        Loaded();
    }
    Lesson Read() {
        LessonRead read = ReadLesson(folder_);
        EXPECT_TRUE(read.lesson);
        return *read.lesson;
    }
    std::string Cycles() { return State().Get(Field::cyclesPerSecond); }
    std::filesystem::path folder_;
};

TEST_F(LessonRun, APredictionIsShownOnlyOnceItIsIn) {
    LessonSession s(Model(), Read(), "");
    s.GoTo(1);
    EXPECT_EQ(Cycles(), "100");
    EXPECT_FALSE(s.CanGoNext());
    const Verdict v = s.AnswerNumber("700");
    EXPECT_FALSE(v.right);
    EXPECT_NE(v.feedback.find("beyond the graph"), std::string::npos);
    EXPECT_EQ(Cycles(), "700");
    ASSERT_TRUE(s.Expected());
    EXPECT_EQ(*s.Expected()->number, 324);
    EXPECT_TRUE(s.CanGoNext());
}

TEST_F(LessonRun, YourTurnWaitsForTheWindowAndSaysWhatDiffers) {
    LessonSession s(Model(), Read(), "");
    s.GoTo(2);
    EXPECT_EQ(Cycles(), "700");  // the prediction's state carries on
    EXPECT_FALSE(s.CanGoNext());
    ASSERT_EQ(s.StillDiffers().size(), 1u);
    EXPECT_EQ(DifferenceText(s.StillDiffers()[0]), "Window: Hann (now Rectangular)");
    Press("mnuWindowHannItem");
    EXPECT_TRUE(s.CanGoNext());
    EXPECT_TRUE(s.StillDiffers().empty());
}

TEST_F(LessonRun, RestoreUndoesExploring) {
    LessonSession s(Model(), Read(), "");
    s.GoTo(0);
    Model().Type("Text2", "55");
    Press("Command17");
    Press("mnuWindowBlackmanItem");
    s.Restore();
    EXPECT_EQ(Cycles(), "100");
    EXPECT_EQ(Model().Choices().window, WindowFunction::Rectangular);
    EXPECT_EQ(*AnswerOf(Model(), "peak 1 frequency")->number, 100);
}

TEST_F(LessonRun, AQuestionOpensNextWhenRightOrExplained) {
    LessonSession s(Model(), Read(), "");
    s.GoTo(3);
    EXPECT_EQ(Model().Choices().window, WindowFunction::Hann);  // the turn's target carries on
    EXPECT_FALSE(s.AnswerNumber("abc").right);
    EXPECT_EQ(s.Misses(), 0);  // not a number: no miss counted
    EXPECT_FALSE(s.AnswerNumber("900").right);
    EXPECT_FALSE(s.CanGoNext());
    const Verdict second = s.AnswerNumber("1");
    EXPECT_NE(second.feedback.find("124"), std::string::npos);
    EXPECT_TRUE(s.CanGoNext());
    s.GoTo(3);
    EXPECT_TRUE(s.AnswerNumber("124,4").right);
    EXPECT_TRUE(s.CanGoNext());
}

TEST_F(LessonRun, AStepOpensAnotherWindowAndPressesItsButtons) {
    for (const char* window : {"Form5", "FFT Quorbel - Report"}) {
        const LessonRead read = ParseLesson(
            std::string("title: T\naim: A\nminutes: 1\nsummary: S\nstep: observe\ntext: t\n"
                        "open: Report\n") +
                "step: observe\ntext: t\nopen: Report\nin window: " + window + "\nClose: click\n",
            folder_ / "lesson.txt");
        ASSERT_TRUE(read.lesson) << read.problems[0].text;
        LessonSession s(Model(), *read.lesson, "");
        s.GoTo(0);
        EXPECT_TRUE(s.Problems().empty());
        EXPECT_TRUE(Model().Report().View().shown);
        s.GoTo(1);
        EXPECT_TRUE(s.Problems().empty()) << s.Problems()[0].text;
        EXPECT_FALSE(Model().Report().View().shown) << window;
    }
    const LessonRead wrong = ParseLesson(
        "title: T\naim: A\nminutes: 1\nsummary: S\nstep: observe\ntext: t\nopen: Nowhere\n"
        "in window: Form5\nNo such button: click\n",
        folder_ / "lesson.txt");
    LessonSession s(Model(), *wrong.lesson, "");
    s.GoTo(0);
    ASSERT_EQ(s.Problems().size(), 2u);
    EXPECT_EQ(s.Problems()[0].line, 5);
    EXPECT_EQ(s.Problems()[1].line, 9);
}

class LessonsWindow : public LessonRun {
  protected:
    LessonsWindow() {
        Model().Lessons().SetShippedFolders({dir_});
        Model().Lessons().SetLanguage("");
    }
    LessonsWindowModel& Window() { return Model().Lessons(); }
    std::string Bound(const char* control) { return *Window().BoundText(control); }
};

TEST_F(LessonsWindow, ExamplesOpensItWithTheLessonsListed) {
    std::filesystem::create_directories(dir_ / "11-broken");
    std::ofstream(dir_ / "11-broken" / "lesson.txt") << "title: x\nWindow: Hann\n";
    Press("mnuExamplesItem");
    EXPECT_TRUE(Window().View().shown);
    const auto& rows = Window().View()["lstLessons"].items;
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "Folding");
    EXPECT_NE(rows[1].find("11-broken (broken: line 2:"), std::string::npos) << rows[1];
    EXPECT_TRUE(Window().Fire("lstLessons", Event::Change, {.value = 1}));
    EXPECT_NE(Bound("lblText").find("line 2"), std::string::npos);
    EXPECT_TRUE(Window().Fire("lstLessons", Event::Change, {.value = 0}));
    EXPECT_EQ(Bound("lblStep"), "Step 1 of 4: observe");
    EXPECT_EQ(View().highlight, "Picture1");
}

TEST_F(LessonsWindow, WalksThroughALessonAndKeepsTheStep) {
    Press("mnuExamplesItem");
    Window().Fire("lstLessons", Event::Change, {.value = 0});
    EXPECT_FALSE(Window().View()["cmdBack"].enabled);
    EXPECT_TRUE(Window().Fire("cmdNext", Event::Click));
    EXPECT_FALSE(Window().View()["cmdNext"].enabled);
    EXPECT_TRUE(Window().View()["txtAnswer"].visible);
    EXPECT_TRUE(Window().Type("txtAnswer", "700"));
    Window().Fire("cmdCheck", Event::Click);
    EXPECT_NE(Bound("lblFeedback").find("beyond the graph"), std::string::npos);
    EXPECT_TRUE(Window().Fire("cmdNext", Event::Click));
    EXPECT_NE(Bound("lblFeedback").find("Window: Hann"), std::string::npos);
    EXPECT_EQ(View().highlight, "mnuWindow");
    EXPECT_FALSE(Window().View()["cmdNext"].enabled);
    Press("mnuWindowHannItem");
    EXPECT_TRUE(Window().View()["cmdNext"].enabled);
    EXPECT_EQ(LessonProgress(dir_ / "lessons-progress").StepOf(folder_), 2);
    // Another window of the same user starts where this one stopped.
    LessonsWindowModel again(platform, Model(), dir_ / "lessons-progress");
    again.SetShippedFolders({dir_});
    again.Show();
    again.Fire("lstLessons", Event::Change, {.value = 0});
    EXPECT_EQ(*again.BoundText("lblStep"), "Step 3 of 4: your turn");
    EXPECT_TRUE(again.Fire("cmdRestart", Event::Click));
    EXPECT_EQ(*again.BoundText("lblStep"), "Step 1 of 4: observe");
}

TEST_F(LessonsWindow, TeacherPreviewShowsAnswersAndJumps) {
    Press("mnuExamplesItem");
    Window().Fire("lstLessons", Event::Change, {.value = 0});
    EXPECT_FALSE(Window().View()["lstSteps"].visible);
    Window().Fire("cmdTeacher", Event::Click);
    EXPECT_EQ(Window().View()["cmdTeacher"].caption, "Student view");
    const auto& steps = Window().View()["lstSteps"].items;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[1], "2. predict → 324 ± 1");
    EXPECT_TRUE(Window().Fire("lstSteps", Event::Change, {.value = 3}));
    EXPECT_NE(Bound("lblText").find("Answer: 124 ± 1"), std::string::npos);
    EXPECT_EQ(Cycles(), "900");
}

TEST_F(LessonsWindow, CopiesTheWindowStateAsLessonLines) {
    Press("mnuExamplesItem");
    Press("mnuSimpleWavesItem");
    Press("Option5", Event::MouseDown);
    Press("Option5");
    Press("mnuWindowHammingItem");
    EXPECT_TRUE(Window().Fire("cmdCopy", Event::Click));
    ASSERT_EQ(platform.copied.size(), 1u);
    const std::string& lines = platform.copied[0];
    for (const char* line :
         {"Waves: Simple waves\n", "Simple wave: Square wave\n", "Window: Hamming\n"})
        EXPECT_NE(lines.find(line), std::string::npos) << lines;
    EXPECT_EQ(lines.find("Wave 1:"), std::string::npos);
}

TEST_F(LessonsWindow, OpensALessonByItsPathAndSaysWhyOneIsBroken) {
    EXPECT_TRUE(Window().OpenLesson(folder_));
    EXPECT_TRUE(Window().View().shown);
    std::ofstream(dir_ / "empty.txt") << "";
    EXPECT_FALSE(Window().OpenLesson(dir_ / "empty.txt"));
    EXPECT_NE(Bound("lblText").find("empty"), std::string::npos);
    Window().SetLanguage("pt_BR");
    EXPECT_TRUE(Window().OpenLesson(folder_));
    EXPECT_EQ(Bound("lblTitle").rfind("Rebatimento", 0), 0u);
}

}  // namespace
}  // namespace quorbel::testing
