// Every lesson the program ships passes the strict check: each of its questions is
// answered by the program's own numbers as the lesson says, so a change of the
// program that changes an answer fails here.
#include <gtest/gtest.h>

#include <fstream>

#include "ModelFixture.h"
#include "lessons/LessonCheck.h"
#include "lessons/LessonLibrary.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

class ShippedLesson : public ModelFixture, public ::testing::WithParamInterface<std::string> {};

std::vector<std::string> Shipped() {
    std::vector<std::string> names;
    for (const LessonEntry& e : FindLessons({QUORBEL_SOURCE_LESSONS}))
        names.push_back(e.folder.filename().string());
    return names;
}

TEST(ShippedLessons, AreSixOrMore) {
    EXPECT_GE(Shipped().size(), 6u);
}

TEST_P(ShippedLesson, PassesTheStrictCheck) {
    const LessonRead read = ReadLesson(std::filesystem::path(QUORBEL_SOURCE_LESSONS) / GetParam());
    const LessonCheck check = CheckLesson(Loaded(), read, true);
    for (const LessonProblem& p : check.problems) ADD_FAILURE() << ProblemLine(p);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    ASSERT_TRUE(read.lesson);
    int asked = 0;
    for (const Step& s : read.lesson->steps) asked += s.Asks();
    EXPECT_EQ(check.questions.size(), static_cast<size_t>(asked));
    for (const CheckedQuestion& q : check.questions) {
        if (q.kind != StepKind::Question) continue;
        EXPECT_FALSE(q.program.empty()) << q.question;
    }
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedLesson, ::testing::ValuesIn(Shipped()), [](const auto& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

}  // namespace
}  // namespace quorbel::testing

namespace quorbel::testing {
namespace {

// The complete lesson the README gives teachers as an example is a good lesson.
class ReadmeLesson : public ModelFixture {};

TEST_F(ReadmeLesson, PassesTheStrictCheck) {
    std::ifstream readme(std::filesystem::path(QUORBEL_SOURCE_LESSONS) / ".." / ".." / "README.md");
    std::string text, line;
    bool inside = false;
    while (std::getline(readme, line)) {
        if (line == "```text")
            inside = true;
        else if (line == "```")
            inside = false;
        else if (inside)
            text += line + "\n";
    }
    ASSERT_NE(text.find("step: your turn"), std::string::npos);
    const lessons::LessonRead read = lessons::ParseLesson(text, dir_ / "lesson.txt");
    const lessons::LessonCheck check = lessons::CheckLesson(Loaded(), read, true);
    for (const lessons::LessonProblem& p : check.problems) ADD_FAILURE() << lessons::ProblemLine(p);
    EXPECT_EQ(check.questions.size(), 2u);
}

}  // namespace
}  // namespace quorbel::testing
