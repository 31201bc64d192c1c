// Reading a lesson file: the text's lines and what is refused, the keys of a lesson,
// its translations with their fallback, and messages that name the line.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "lessons/Lesson.h"
#include "lessons/Typeset.h"

namespace quorbel::testing {
namespace {

using namespace lessons;

// A good lesson of one step of each kind, to be spoilt line by line.
const std::string kGood =
    "title: T\naim: A\nminutes: 5\nsummary: S\n"
    "step: observe\ntext: look\nWaves: Simple waves\n"
    "step: question\nask: where?\ncheck: peak 1 frequency\nanswer: 30\ntolerance: 1\n"
    "mistake: 60\nfeedback: double\nhint: h\nexplain: e\n";

LessonRead Parse(const std::string& text) {
    return ParseLesson(text, "/nowhere/lesson.txt");
}

struct RefusedFile {
    const char* name;
    std::string bytes;
    const char* says;
};

TEST(LessonLines, RefusesWhatIsNoText) {
    const RefusedFile cases[] = {
        {"empty", "", "empty"},
        {"blank", " \r\n\t\n", "empty"},
        {"bom_only", "\xEF\xBB\xBF", "empty"},
        {"nul", std::string("title: a\0b", 10), "not text"},
        {"png", "\x89PNG\r\n\x1a\n", "not"},
        {"latin1", "title: caf\xE9\n", "not UTF-8"},
        {"cut_utf8", "title: \xC3", "not UTF-8"},
    };
    for (const RefusedFile& c : cases) {
        const LessonRead read = Parse(c.bytes);
        EXPECT_FALSE(read.lesson) << c.name;
        ASSERT_EQ(read.problems.size(), 1u) << c.name;
        EXPECT_EQ(read.problems[0].line, 0) << c.name;
        EXPECT_NE(read.problems[0].text.find(c.says), std::string::npos)
            << c.name << ": " << read.problems[0].text;
    }
}

TEST(LessonLines, TakesByteOrderMarkWindowsLineEndsAndIndentation) {
    std::string windows;
    for (const char c : kGood) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string indented;
    for (size_t at = 0; at < kGood.size(); ++at)
        indented += (at == 0 || kGood[at - 1] == '\n' ? "   \t" : "") + std::string(1, kGood[at]);
    for (const std::string& text : {kGood, "\xEF\xBB\xBF" + kGood, windows, indented,
                                    "# a comment\n\n" + kGood + "\n# the end"}) {
        const LessonRead read = Parse(text);
        ASSERT_TRUE(read.lesson) << (read.problems.empty() ? "" : read.problems[0].text);
        EXPECT_EQ(read.lesson->title.original, "T");
        EXPECT_EQ(read.lesson->steps.size(), 2u);
        EXPECT_EQ(read.lesson->steps[1].answer, 30);
    }
}

struct Broken {
    const char* name;
    std::string from, to;  // kGood with `from` replaced by `to`
    int line;
    const char* says;
};

TEST(LessonFile, BrokenLessonsSayWhichLine) {
    const Broken cases[] = {
        {"no_colon", "text: look\n", "look\n", 6, "key: value"},
        {"unknown_key", "Waves: Simple waves\n", "Wavez: Simple waves\n", 7, "Wavez"},
        {"bad_choice", "Waves: Simple waves\n", "Waves: Triangles\n", 7, "Triangles"},
        {"bad_kind", "step: observe\n", "step: look around\n", 5, "look around"},
        {"comma_number", "answer: 30\n", "answer: 2,5\n", 11, "point"},
        {"negative_tolerance", "tolerance: 1\n", "tolerance: -1\n", 12, "negative"},
        {"feedback_alone", "mistake: 60\n", "", 13, "feedback"},
        {"setting_first", "title: T\n", "title: T\nWindow: Hann\n", 2, "first \"step:\""},
        {"no_answer", "answer: 30\n", "", 8, "answer"},
        {"no_text", "text: look\n", "", 5, "text"},
        {"bad_language", "text: look\n", "text: look\ntext.p1: x\n", 7, "language"},
        {"wave_row", "Waves: Simple waves\n", "Wave 11: 1, 1, 0\n", 7, "rows 1 to 10"},
        {"wave_numbers", "Waves: Simple waves\n", "Wave 1: 1; 1\n", 7, "wave row"},
        {"no_title", "title: T\n", "", 0, "title"},
        {"no_minutes", "minutes: 5\n", "", 0, "minutes"},
        {"no_summary", "summary: S\n", "", 0, "summary"},
        {"missing_sound", "Waves: Simple waves\n", "Sound file: none.wav\n", 7, "none.wav"},
        {"choice_number", "answer: 30\n", "choice: a\nchoice: b\nanswer: 3\n", 13, "1 to 2"},
        {"your_turn_empty", "step: observe\ntext: look\nWaves: Simple waves\n",
         "step: your turn\ntext: go\n", 5, "your turn"},
        {"answer_in_observe", "Waves: Simple waves\n", "answer: 3\n", 5, "only predict"},
    };
    for (const Broken& c : cases) {
        std::string text = kGood;
        const size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.name;
        text.replace(at, c.from.size(), c.to);
        const LessonRead read = Parse(text);
        EXPECT_FALSE(read.lesson) << c.name;
        bool found = false;
        for (const LessonProblem& p : read.problems)
            found = found || (p.line == c.line && p.text.find(c.says) != std::string::npos);
        EXPECT_TRUE(found) << c.name << ": "
                           << (read.problems.empty() ? "no message"
                                                     : std::to_string(read.problems[0].line) + " " +
                                                           read.problems[0].text);
    }
}

TEST(LessonFile, TranslationsFallBackToTheOriginal) {
    const LessonRead read =
        Parse(kGood + "step: observe\ntext: one\ntext.pt: um\ntext: two\ntext.es: dos\n");
    ASSERT_TRUE(read.lesson);
    const LessonText& text = read.lesson->steps[2].text;
    EXPECT_EQ(text.In(""), "one\ntwo");
    EXPECT_EQ(text.In("pt_BR"), "um");
    EXPECT_EQ(text.In("PT"), "um");
    EXPECT_EQ(text.In("es"), "dos");
    EXPECT_EQ(text.In("de"), "one\ntwo");
    EXPECT_EQ(read.lesson->title.In("pt_BR"), "T");
}

TEST(LessonFile, ChoicesKeepTheirFeedbackAndTranslations) {
    const LessonRead read =
        Parse(kGood +
              "step: question\nask: which?\nchoice: A4\nchoice.pt: Lá 4\nfeedback: tallest\n"
              "feedback.es: el más alto\nchoice: A3\nanswer: 2\ncheck: peak 1 note\n");
    ASSERT_TRUE(read.lesson);
    const Step& step = read.lesson->steps[2];
    ASSERT_EQ(step.choices.size(), 2u);
    EXPECT_EQ(step.correctChoice, 2);
    EXPECT_FALSE(step.answer);
    EXPECT_EQ(step.choices[0].text.In("pt"), "Lá 4");
    EXPECT_EQ(step.choices[0].feedback.In("es"), "el más alto");
    EXPECT_TRUE(step.choices[1].feedback.Empty());
}

struct Typed {
    const char* written;
    const char* shown;
};

TEST(Typeset, GreekLettersSuperscriptsAndSubscripts) {
    const Typed cases[] = {
        {"\\nu = 10 Hz", "ν = 10 Hz"},
        {"2\\pi\\nu t", "2πν t"},
        {"x^2", "x²"},
        {"10^{-3} s", "10⁻³ s"},
        {"f_0", "f₀"},
        {"T_{12}", "T₁₂"},
        {"\\Delta f", "Δ f"},
        {"a^b stays", "a^b stays"},
        {"\\unknown", "\\unknown"},
        {"ν already", "ν already"},
        {"end^", "end^"},
        {"f_{n+1}", "fₙ₊₁"},
    };
    for (const Typed& c : cases) EXPECT_EQ(Typeset(c.written), c.shown) << c.written;
}

}  // namespace
}  // namespace quorbel::testing
