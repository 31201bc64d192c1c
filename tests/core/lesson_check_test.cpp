// The checker of lessons: what it says of each fault a teacher can make, with the line,
// as a warning for a teacher's lesson and as an error for a shipped one.
#include <gtest/gtest.h>

#include "ModelFixture.h"
#include "lessons/LessonCheck.h"
#include "lessons/LessonSettings.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

// A lesson whose only question (from line 8) reads the first peak of a 100 Hz sine.
const std::string kHead =
    "title: T\naim: A\nminutes: 5\nsummary: S\n"
    "step: observe\ntext: a sine\nWaves: Simple waves\ncycles: 100\nSimple wave: sine\n"
    "step: question\nask: where?\ncheck: peak 1 frequency\n";

struct Fault {
    const char* name;
    std::string tail;  // the rest of the question
    int line;
    const char* says;
    bool error;  // an error even for a teacher's lesson
};

class LessonChecker : public ModelFixture, public ::testing::WithParamInterface<Fault> {};

TEST_P(LessonChecker, SaysWhatIsWrongAndWhere) {
    const Fault& f = GetParam();
    const LessonRead read = ParseLesson(kHead + f.tail, dir_ / "lesson.txt");
    for (const bool strict : {false, true}) {
        const LessonCheck check = CheckLesson(Loaded(), read, strict);
        const LessonProblem* found = nullptr;
        for (const LessonProblem& p : check.problems)
            if (p.line == f.line && p.text.find(f.says) != std::string::npos) found = &p;
        ASSERT_NE(found, nullptr) << f.name
                                  << (check.problems.empty()
                                          ? ""
                                          : ": " + ProblemLine(check.problems[0]));
        EXPECT_EQ(found->error, f.error || strict) << f.name;
        if (f.error || strict) {
            EXPECT_FALSE(check.Good()) << f.name;
        }
    }
}

const std::string kFeedback = "mistake: 200\nfeedback: doubled\nhint: h\nexplain: e\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, LessonChecker,
    ::testing::Values(
        Fault{"wrong_answer", "answer: 101\ntolerance: 0.5\n" + kFeedback, 13,
              "the program's numbers give 100", true},
        Fault{"fine_tolerance", "answer: 100\ntolerance: 0.0001\n" + kFeedback, 14,
              "finer than the window shows", false},
        Fault{"no_mistake", "answer: 100\ntolerance: 1\nhint: h\nexplain: e\n", 10,
              "no typical wrong number", false},
        Fault{"answer_in_text", "answer: 100\ntolerance: 1\ntext: it is 100 Hz\n" + kFeedback, 10,
              "can be read before", false},
        Fault{"unknown_check", "answer: 100\ntolerance: 1\ncheck: peak 1 colour\n" + kFeedback, 15,
              "names no number", true},
        Fault{"no_peak_there", "answer: 100\ntolerance: 1\ncheck: peak 40 frequency\n" + kFeedback,
              15, "shows no", true},
        Fault{"mistake_is_answer",
              "answer: 100\ntolerance: 1\nmistake: 100.5\nfeedback: x\nhint: h\nexplain: e\n", 15,
              "taken for the right answer", true},
        Fault{"choice_without_feedback",
              "choice: 100 Hz\nchoice: 200 Hz\nanswer: 1\nhint: h\nexplain: e\n", 14,
              "has no feedback", false},
        Fault{"choice_disagrees",
              "choice: 100 Hz\nchoice: 200 Hz\nfeedback: no\nanswer: 2\nhint: h\nexplain: e\n", 16,
              "does not say 100", true},
        Fault{"no_hint", "answer: 100\ntolerance: 1\nmistake: 200\nfeedback: x\n", 10, "\"hint:\"",
              false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelFixture, AShippedLessonMustUseEveryKindAndBeTranslated) {
    const LessonRead read =
        ParseLesson(kHead + "answer: 100\ntolerance: 1\n" + kFeedback, dir_ / "lesson.txt");
    ASSERT_TRUE(read.lesson);
    EXPECT_TRUE(CheckLesson(Loaded(), read, false).Good());
    const LessonCheck strict = CheckLesson(Loaded(), read, true);
    std::string all;
    for (const LessonProblem& p : strict.problems) all += ProblemLine(p) + "\n";
    for (const char* says : {"no \"predict\" step", "no \"your turn\" step", "translation \"pt\"",
                             "translation \"es\""})
        EXPECT_NE(all.find(says), std::string::npos) << says << "\n" << all;
    EXPECT_EQ(all.find("no \"question\" step"), std::string::npos);
    EXPECT_EQ(all.find("does not end with a question"), std::string::npos);
    ASSERT_EQ(strict.questions.size(), 1u);
    EXPECT_EQ(strict.questions[0].program, "100");
    EXPECT_EQ(strict.questions[0].line, 10);
}

TEST_F(ModelFixture, AYourTurnTheWindowCannotReachIsAnError) {
    const LessonRead read = ParseLesson(
        "title: T\naim: A\nminutes: 5\nsummary: S\nstep: your turn\ntext: go\n"
        "Waves: Simple waves\nSimple wave: sine\nDisplay: Both, separately\nScale: Log\n",
        dir_ / "lesson.txt");
    ASSERT_TRUE(read.lesson);
    const LessonCheck check = CheckLesson(Loaded(), read, false);
    EXPECT_FALSE(check.Good());
    bool named = false;
    for (const LessonProblem& p : check.problems) named = named || p.line == 10;
    EXPECT_TRUE(named) << (check.problems.empty() ? "" : ProblemLine(check.problems[0]));
}

// The window's state written as lesson lines sets a fresh window up the same way.
TEST_F(ModelFixture, StateLinesSetTheSameStateAgain) {
    Loaded();
    const char* setups[][2] = {{"mnuSimpleWavesItem", "Option5"},
                               {"mnuSimpleWavesItem", "Option9"},
                               {"mnuMultipleWavesItem", "Option7"}};
    for (const auto& setup : setups) {
        Press(setup[0]);
        Press(setup[1], Event::MouseDown);
        Press(setup[1]);
        Press("mnuWindowBlackmanItem");
        Press("Option2", Event::MouseDown);
        Press("Option2");
        const std::string lines = StateLines(Model());
        std::vector<Setting> settings;
        for (size_t start = 0; start < lines.size();) {
            const size_t end = lines.find('\n', start);
            const std::string line = lines.substr(start, end - start);
            start = end + 1;
            const size_t colon = line.find(": ");
            const auto read = ReadMainSetting(line.substr(0, colon), line.substr(colon + 2), 1);
            ASSERT_TRUE(read && read->setting) << line;
            settings.push_back(*read->setting);
        }
        Press("mnuMultipleWavesItem");
        Press("mnuWindowRectItem");
        ASSERT_TRUE(ApplySettings(Model(), settings, dir_).empty()) << lines;
        EXPECT_TRUE(Differences(Model(), settings).empty()) << lines;
        EXPECT_EQ(StateLines(Model()), lines);
    }
}

}  // namespace
}  // namespace quorbel::testing
