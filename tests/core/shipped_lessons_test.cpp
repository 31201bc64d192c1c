// Every lesson the program ships passes the strict check: each of its questions is
// answered by the program's own numbers as the lesson says, so a change of the
// program that changes an answer fails here.
#include <gtest/gtest.h>

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
        if (q.kind == StepKind::Question) EXPECT_FALSE(q.program.empty()) << q.question;
    }
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedLesson, ::testing::ValuesIn(Shipped()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace quorbel::testing
