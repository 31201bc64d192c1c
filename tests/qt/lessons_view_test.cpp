// The Lessons window on the screen: "Examples" opens it, a click on a row of its list
// reaches the model, the main window's control a step points to is framed, and the
// companion checks lessons (the shipped ones pass, an empty or a binary file fails
// with a message).
#include <QAction>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <fstream>

#include "CompanionRun.h"
#include "QtViews.h"
#include "views/GraphWidget.h"
#include "views/WindowView.h"
#include "windows/LessonsWindowModel.h"

namespace quorbel::testing {
namespace {

class LessonsView : public ShownMainWindow {
  protected:
    void SetUp() override {
        ShownMainWindow::SetUp();
        if (HasFatalFailure()) return;
        lesson_ = folder_ / "lessons" / "01-test";
        std::filesystem::create_directories(lesson_);
        std::ofstream(lesson_ / "lesson.txt")
            << "title: Test\naim: a\nminutes: 1\nsummary: s\n"
               "step: observe\ntext: look\nlook at: FFT graph\nWindow: Hann\n"
               "step: observe\ntext: the cycles\nlook at: Number of cycles (per second)\n";
        view_->Model().Lessons().SetShippedFolders({folder_ / "lessons"});
    }
    std::filesystem::path lesson_;
};

TEST_F(LessonsView, ExamplesOpensTheWindowAndARowOpensTheLesson) {
    QAction* examples = view_->findChild<QAction*>("mnuExamplesItem");
    ASSERT_NE(examples, nullptr);
    ASSERT_TRUE(examples->isEnabled());
    examples->trigger();
    WindowView* window = view_->Secondary("FormLessons");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* list = Child<QListWidget>(window, "lstLessons");
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Test");
    list->setCurrentRow(0);
    EXPECT_EQ(Child<QLabel>(window, "lblStep")->text(), "Step 1 of 2: observe");
    EXPECT_EQ(view_->Model().Choices().window, WindowFunction::Hann);
    // The FFT graph is framed: the frame lies around it, in the main window.
    auto* frame = view_->findChild<QFrame*>("lessonHighlight");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    const QWidget* graph = view_->Graph("Picture1");
    EXPECT_TRUE(
        frame->geometry().contains(QRect(graph->mapTo(view_.get(), QPoint(0, 0)), graph->size())));
    // The next step frames the cycles field, beside its label.
    QTest::mouseClick(Child<QWidget>(window, "cmdNext"), Qt::LeftButton);
    const QWidget* cycles = Child<QWidget>(view_.get(), "Text2");
    EXPECT_TRUE(frame->geometry().contains(
        QRect(cycles->mapTo(view_.get(), QPoint(0, 0)), cycles->size())));
    // Closing the window takes the frame away.
    window->close();
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(LessonsView, AStepShowsItsPicture) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((lesson_ / "red.png").string())));
    std::ofstream(lesson_ / "lesson.txt") << "title: Test\naim: a\nminutes: 1\nsummary: s\n"
                                             "step: observe\ntext: look\nimage: red.png\n";
    ASSERT_TRUE(view_->OpenLesson(lesson_));
    WindowView* window = view_->Secondary("FormLessons");
    auto* label = Child<QLabel>(window, "imgStep");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    const QImage shown = label->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
    EXPECT_LT(Child<QLabel>(window, "lblText")->width(), label->x());
}

TEST_F(LessonsView, OpenLessonShowsTheWindow) {
    EXPECT_TRUE(view_->OpenLesson(lesson_));
    WindowView* window = view_->Secondary("FormLessons");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Child<QLabel>(window, "lblTitle")->text().left(4), "Test");
}

TEST(LessonChecker, ShippedLessonsPassAndBadFilesFail) {
    const std::filesystem::path shipped = QUORBEL_SOURCE_LESSONS;
    int lessons = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        const CompanionRun run = RunCompanion({"lesson", "--strict", entry.path().string()});
        EXPECT_EQ(run.status, 0) << entry.path() << "\n" << run.err;
        EXPECT_NE(run.out.find("the program's numbers give: "), std::string::npos);
        ++lessons;
    }
    EXPECT_GE(lessons, 6);
    QTemporaryDir dir;
    const std::string empty = (dir.path() + "/empty.txt").toStdString();
    const std::string binary = (dir.path() + "/binary.txt").toStdString();
    std::ofstream(empty) << "";
    std::ofstream(binary, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    for (const std::string& path : {empty, binary}) {
        const CompanionRun run = RunCompanion({"lesson", path});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_NE(run.err.find(path + ": the file is"), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCompanion({"lesson"}).status, 2);
}

TEST(LessonChecker, NamesTheLineOfABrokenLesson) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/lesson.txt").toStdString();
    std::ofstream(path) << "title: T\naim: a\nminutes: 1\nsummary: s\nstep: question\n"
                           "ask: where?\ncheck: peak 1 frequency\nanswer: 31\ntolerance: 0.0001\n";
    const CompanionRun run = RunCompanion({"lesson", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 8: the answer is 31, but the program's numbers give 30"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("line 9: warning: the tolerance 0.0001 is finer"), std::string::npos);
    EXPECT_NE(run.err.find("line 5: warning: no typical wrong number"), std::string::npos);
    EXPECT_NE(run.out.find("the lesson is broken"), std::string::npos);
}

}  // namespace
}  // namespace quorbel::testing
