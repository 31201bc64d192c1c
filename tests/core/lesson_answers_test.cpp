// A student's answer judged: the right one, a typical mistake with its own feedback,
// the hint after a first miss and the explanation with the answer after a second;
// and the program's own numbers a question is checked on.
#include <gtest/gtest.h>

#include <numbers>

#include "ModelFixture.h"
#include "lessons/LessonAnswers.h"
#include "lessons/LessonSettings.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

Step NumberQuestion() {
    Step step;
    step.kind = StepKind::Question;
    step.answer = 324;
    step.tolerance = 1;
    step.mistakes = {{700, {"above the end of the graph", {{"pt", "acima do fim"}}}, 5}};
    step.hint = {"fs - f", {}};
    step.explain = {"1024 - 700", {{"pt", "1024 - 700 (pt)"}}};
    return step;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Typed {
    const char* text;
    std::optional<double> number;
};

TEST(StudentNumber, TakesThePointAndTheComma) {
    const Typed cases[] = {{"2.5", 2.5}, {"2,5", 2.5},    {" 324 ", 324}, {"-0,25", -0.25},
                           {"2,5x", {}}, {"1,000.5", {}}, {"1,2,3", {}},  {"", {}},
                           {"abc", {}},  {",5", 0.5},     {"1e3", 1000}};
    for (const Typed& c : cases) EXPECT_EQ(StudentNumber(c.text), c.number) << c.text;
}

TEST(JudgeNumber, HintFirstThenTheExplanationWithTheAnswer) {
    const Step step = NumberQuestion();
    Verdict v = JudgeNumber(step, 324, "300", 0, "");
    EXPECT_FALSE(v.right);
    EXPECT_TRUE(Has(v.feedback, "fs - f"));
    EXPECT_FALSE(Has(v.feedback, "324"));
    v = JudgeNumber(step, 324, "300", 1, "");
    EXPECT_TRUE(Has(v.feedback, "1024 - 700"));
    EXPECT_TRUE(Has(v.feedback, "324"));
    v = JudgeNumber(step, 324, "323,5", 1, "");
    EXPECT_TRUE(v.right);
}

TEST(JudgeNumber, ATypicalMistakeIsNamedInTheStudentsLanguage) {
    const Step step = NumberQuestion();
    for (const char* typed : {"700", "700.5", "699,5"}) {
        const Verdict v = JudgeNumber(step, 324, typed, 0, "pt_BR");
        EXPECT_FALSE(v.right) << typed;
        EXPECT_TRUE(Has(v.feedback, "acima do fim")) << typed;
    }
    EXPECT_FALSE(Has(JudgeNumber(step, 324, "702", 0, "pt").feedback, "acima"));
    EXPECT_TRUE(Has(JudgeNumber(step, 324, "5", 1, "pt").feedback, "1024 - 700 (pt)"));
}

TEST(JudgeNumber, APredictionIsAnsweredWithWhatTheWindowShows) {
    Step step = NumberQuestion();
    step.kind = StepKind::Predict;
    const Verdict wrong = JudgeNumber(step, 324, "700", 0, "");
    EXPECT_TRUE(Has(wrong.feedback, "700")) << wrong.feedback;
    EXPECT_TRUE(Has(wrong.feedback, "324"));
    EXPECT_TRUE(Has(wrong.feedback, "above the end"));
    EXPECT_TRUE(JudgeNumber(step, 324, "324", 0, "").right);
}

TEST(JudgeChoice, EveryWrongChoiceSaysItsMistake) {
    Step step;
    step.kind = StepKind::Question;
    step.choices = {{{"A4", {}}, {"the tallest peak", {}}, 1},
                    {{"A3", {}}, {}, 2},
                    {{"E5", {}}, {"the third harmonic", {}}, 3}};
    step.correctChoice = 2;
    step.hint = {"the lowest peak", {}};
    EXPECT_TRUE(JudgeChoice(step, 2, 0, "").right);
    Verdict v = JudgeChoice(step, 1, 0, "");
    EXPECT_TRUE(Has(v.feedback, "the tallest peak"));
    EXPECT_TRUE(Has(v.feedback, "the lowest peak"));
    v = JudgeChoice(step, 3, 1, "");
    EXPECT_TRUE(Has(v.feedback, "the third harmonic"));
    EXPECT_TRUE(Has(v.feedback, "A3"));
    EXPECT_FALSE(JudgeChoice(step, 0, 0, "").right);
    EXPECT_FALSE(JudgeChoice(step, 4, 0, "").right);
}

struct CheckName {
    const char* name;
    bool known;
};

TEST(ProgramAnswer, NamesTheChecksItKnows) {
    const CheckName cases[] = {
        {"peak 1 frequency", true}, {"peak 12 amplitude", true},   {"peak 2 phase", true},
        {"peak 3 note", true},      {"tallest peak note", true},   {"peak count", true},
        {"resolution", true},       {"line width", true},          {"nmr line width", true},
        {"nmr peak ppm", true},     {"nmr signal to noise", true}, {"nmr line", false},
        {"nmr peak 1 ppm", false},  {"peak 0 frequency", false},   {"peak x frequency", false},
        {"peak 1 colour", false},   {"peak frequency", false},     {"", false},
        {"tallest peak", false},    {"peak 1.5 frequency", false},
    };
    for (const CheckName& c : cases) EXPECT_EQ(IsCheck(c.name), c.known) << c.name;
}

class ProgramNumbers : public ModelFixture {};

TEST_F(ProgramNumbers, OfASquareWave) {
    Loaded();
    std::vector<Setting> settings;
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, const char*>>{{"Waves", "Simple waves"},
                                                          {"cycles", "10"},
                                                          {"Simple wave", "Square wave"},
                                                          {"Display", "rho"}})
        settings.push_back(*ReadMainSetting(key, value, 1)->setting);
    ASSERT_TRUE(ApplySettings(Model(), settings, dir_).empty());
    const auto number = [&](const char* check) {
        const auto answer = AnswerOf(Model(), check);
        return answer && answer->number ? *answer->number : -1.0;
    };
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(number(("peak " + std::to_string(k) + " frequency").c_str()), 10 * (2 * k - 1));
    EXPECT_EQ(number("peak 1 amplitude"), 100);
    EXPECT_NEAR(number("peak 2 amplitude"), 100.0 / 3, 0.5);
    EXPECT_NEAR(number("peak 3 amplitude"), 20, 0.5);
    EXPECT_EQ(number("tallest peak frequency"), 10);
    EXPECT_EQ(number("resolution"), 1);
    EXPECT_GT(number("peak count"), 5);
    EXPECT_FALSE(AnswerOf(Model(), "peak 999 frequency"));
    EXPECT_EQ(AnswerOf(Model(), "peak 1 note")->text, "D#-1");  // 10 Hz
}

// A lesson sets the NMR window up by the captions it shows (a field by its label, whose
// colon the key leaves out) and checks its read-out.
TEST_F(ProgramNumbers, OfASimulatedNmrLine) {
    Loaded();
    EXPECT_FALSE(AnswerOf(Model(), "nmr line width"));
    const auto in = [](const char* key, const std::string& value) {
        return Setting{"FFT Quorbel - NMR", key, value, 1};
    };
    for (const double t2 : {0.05, 0.1, 0.3}) {
        const std::vector<Setting> settings = {
            in("Clear", "click"),  in("as T2 (s)", "click"),
            in("δ (ppm)", "12"),   in("Line width", NumberText(t2)),
            in("Add", "click"),    in("Noise level", "0"),
            in("SW (Hz)", "4000"), in("Simulate", "click")};
        const auto problems = ApplySettings(Model(), settings, dir_);
        ASSERT_TRUE(problems.empty()) << problems[0].text;
        EXPECT_EQ(*Model().Nmr().BoundText("Text13"), "0");
        EXPECT_EQ(Model().Nmr().Mouse(), NmrMouse::expand);
        const auto width = AnswerOf(Model(), "nmr line width");
        ASSERT_TRUE(width && width->number);
        EXPECT_NEAR(*width->number, 1 / (std::numbers::pi * t2), 0.02 / t2) << t2;
        EXPECT_EQ(width->shown, 0.01);
        // 12 ppm lies beyond the 10 ppm edge: it shows at 2.
        EXPECT_NEAR(*AnswerOf(Model(), "nmr peak ppm")->number, 2, 0.001);
        EXPECT_FALSE(AnswerOf(Model(), "nmr signal to noise"));
    }
    const auto problems =
        ApplySettings(Model(), {in("δ (ppm)", "1"), in("Points (SI):", "1")}, dir_);
    EXPECT_EQ(problems.size(), 1u);
}

// A "your turn" in the NMR window waits for the fields typed and the options chosen.
TEST_F(ProgramNumbers, AYourTurnInTheNmrWindowWaitsForFieldsAndOptions) {
    Loaded();
    const auto in = [](const char* key, const std::string& value) {
        return Setting{"FormNmr", key, value, 1};
    };
    const std::vector<Setting> turn = {in("Gaussian", "click"), in("LB (Hz)", "-2"),
                                       in("Process", "click")};
    const std::vector<Difference> before = Differences(Model(), turn);
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(DifferenceText(before[0]), "Gaussian: choose it");
    EXPECT_EQ(DifferenceText(before[1]), "LB (Hz): -2 (now 0.3)");
    EXPECT_TRUE(ApplySettings(Model(), turn, dir_).empty());
    EXPECT_TRUE(Differences(Model(), turn).empty());
    Model().Nmr().Type("Text1", "-2.0");
    EXPECT_TRUE(Differences(Model(), turn).empty());
    EXPECT_EQ(Differences(Model(), {in("No such field", "1")}).size(), 0u);
}

}  // namespace
}  // namespace quorbel::testing
