#include "lessons/Lesson.h"

#include <fstream>
#include <iterator>

#include "lessons/Typeset.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::lessons {

namespace fs = std::filesystem;

namespace {

// Lesson files larger than this are no lesson (a teacher's text is a few pages).
constexpr std::uintmax_t kMaxLessonBytes = 1 << 20;

struct KindWord {
    StepKind kind;
    const char* word;
};
constexpr KindWord kKinds[] = {{StepKind::Predict, "predict"},
                               {StepKind::Observe, "observe"},
                               {StepKind::YourTurn, "your turn"},
                               {StepKind::Question, "question"}};

// The keys whose values are texts a student reads, and so take translations.
constexpr const char* kTextKeys[] = {"title", "aim",     "summary", "text",     "ask",
                                     "hint",  "explain", "choice",  "feedback", "right"};

bool IsTextKey(const std::string& key) {
    for (const char* k : kTextKeys)
        if (key == k) return true;
    return false;
}

// "text.pt" -> ("text", "pt"); a key without a language suffix keeps "".
std::pair<std::string, std::string> SplitLanguage(const std::string& key) {
    const size_t dot = key.rfind('.');
    if (dot == std::string::npos || !IsTextKey(key.substr(0, dot))) return {key, ""};
    return {key.substr(0, dot), key.substr(dot + 1)};
}

void AddText(LessonText& text, const std::string& language, const std::string& value) {
    std::string& slot = language.empty() ? text.original : text.translated[language];
    if (!slot.empty()) slot += '\n';
    slot += Typeset(value);
}

class Parser {
  public:
    explicit Parser(const fs::path& file) {
        lesson_.file = file;
        lesson_.folder = file.parent_path();
    }

    void Line(const LessonLine& line) {
        const auto [key, language] = SplitLanguage(line.lowerKey);
        if (!language.empty() &&
            language.find_first_not_of("abcdefghijklmnopqrstuvwxyz_") != std::string::npos)
            return Error(line.number,
                         FillIn(Translate("Lessons", "\"%1\" is no language"), {language}));
        if (key == "title" || key == "aim" || key == "summary")
            return AddText(key == "title" ? lesson_.title
                           : key == "aim" ? lesson_.aim
                                          : lesson_.summary,
                           language, line.value);
        if (key == "minutes") return Minutes(line);
        if (key == "step") return NewStep(line);
        if (!step_)
            return Error(line.number,
                         FillIn(Translate("Lessons", "\"%1\" comes before the first \"step:\""),
                                {line.key}));
        StepLine(line, key, language);
    }

    LessonRead Finish() {
        if (step_) FinishStep();
        if (lesson_.title.Empty()) Error(0, Translate("Lessons", "the lesson has no \"title:\""));
        if (lesson_.aim.Empty()) Error(0, Translate("Lessons", "the lesson has no \"aim:\""));
        if (lesson_.summary.Empty())
            Error(0, Translate("Lessons", "the lesson has no \"summary:\""));
        if (lesson_.minutes <= 0) Error(0, Translate("Lessons", "the lesson has no \"minutes:\""));
        if (lesson_.steps.empty()) Error(0, Translate("Lessons", "the lesson has no step"));
        bool failed = false;
        for (const LessonProblem& p : problems_) failed = failed || p.error;
        LessonRead read;
        if (!failed) read.lesson = std::move(lesson_);
        read.problems = std::move(problems_);
        return read;
    }

  private:
    void Error(int line, const std::string& text) { problems_.push_back({line, text, true}); }
    void Warning(int line, const std::string& text) { problems_.push_back({line, text, false}); }

    std::optional<double> Number(const LessonLine& line) {
        const std::optional<double> number = ParseNumber(line.value);
        if (!number)
            Error(line.number, FillIn(Translate("Lessons",
                                                "\"%1\" is not a number (write it as "
                                                "3.5, with a point)"),
                                      {line.value}));
        return number;
    }

    void Minutes(const LessonLine& line) {
        if (const std::optional<double> m = Number(line)) lesson_.minutes = WholeOf(*m);
    }

    void NewStep(const LessonLine& line) {
        if (step_) FinishStep();
        lesson_.steps.emplace_back();
        step_ = &lesson_.steps.back();
        step_->line = line.number;
        window_ = kMainWindowName;
        feedback_ = nullptr;
        for (const KindWord& k : kKinds)
            if (LowerAscii(line.value) == k.word) return void(step_->kind = k.kind);
        Error(line.number, FillIn(Translate("Lessons",
                                            "\"%1\" is no kind of step (predict, "
                                            "observe, your turn, question)"),
                                  {line.value}));
    }

    void StepLine(const LessonLine& line, const std::string& key, const std::string& language) {
        Step& s = *step_;
        if (key == "text") return AddText(s.text, language, line.value);
        if (key == "ask") return AddText(s.ask, language, line.value);
        if (key == "hint") return AddText(s.hint, language, line.value);
        if (key == "explain") return AddText(s.explain, language, line.value);
        if (key == "right") return AddText(s.right, language, line.value);
        if (key == "choice") {
            if (language.empty()) {
                s.choices.push_back({{}, {}, line.number});
                feedback_ = &s.choices.back().feedback;
            } else if (s.choices.empty()) {
                return Error(line.number, Translate("Lessons",
                                                    "a translated choice comes "
                                                    "before its \"choice:\""));
            }
            return AddText(s.choices.back().text, language, line.value);
        }
        if (key == "feedback") {
            if (!feedback_)
                return Error(line.number, Translate("Lessons",
                                                    "\"feedback:\" follows no "
                                                    "\"choice:\" or \"mistake:\""));
            return AddText(*feedback_, language, line.value);
        }
        if (key == "mistake") {
            const std::optional<double> value = Number(line);
            s.mistakes.push_back({value.value_or(0), {}, line.number});
            feedback_ = &s.mistakes.back().feedback;
            return;
        }
        if (key == "check")
            return void((s.check = LowerAscii(line.value), s.checkLine = line.number));
        if (key == "answer") {
            s.answerLine = line.number;
            if (const std::optional<double> value = Number(line)) s.answer = value;
            return;
        }
        if (key == "tolerance") {
            s.toleranceLine = line.number;
            s.tolerance = Number(line);
            if (s.tolerance && *s.tolerance < 0)
                Error(line.number, Translate("Lessons", "a tolerance cannot be negative"));
            return;
        }
        if (key == "look at") return void(s.lookAt = line.value);
        if (key == "image") return Image(line);
        if (key == "open") return void(s.opens.push_back(line.value));
        if (key == "in window") return void(window_ = line.value);
        Settings(line);
    }

    void Image(const LessonLine& line) {
        step_->image = line.value;
        std::error_code error;
        if (!fs::is_regular_file(lesson_.folder / line.value, error))
            Error(line.number,
                  FillIn(Translate("Lessons", "the picture \"%1\" is not in the lesson's folder"),
                         {line.value}));
    }

    void Settings(const LessonLine& line) {
        if (window_ != kMainWindowName) {
            step_->settings.push_back({window_, line.key, line.value, line.number});
            return;
        }
        const std::optional<SettingRead> read = ReadMainSetting(line.key, line.value, line.number);
        if (!read)
            return Error(line.number, FillIn(Translate("Lessons",
                                                       "\"%1\" is neither a key of lessons nor a "
                                                       "setting of the main window"),
                                             {line.key}));
        if (!read->error.empty()) return Error(line.number, read->error);
        if (read->setting->key == "Sound file") {
            std::error_code error;
            if (!fs::is_regular_file(lesson_.folder / read->setting->value, error))
                return Error(line.number, FillIn(Translate("Lessons",
                                                           "the sound \"%1\" is not "
                                                           "in the lesson's folder"),
                                                 {read->setting->value}));
        }
        step_->settings.push_back(*read->setting);
    }

    void FinishStep() {
        Step& s = *step_;
        if (s.text.Empty() && s.ask.Empty())
            Error(s.line, Translate("Lessons", "the step has no \"text:\""));
        if (s.kind == StepKind::YourTurn && s.settings.empty())
            Error(s.line, Translate("Lessons",
                                    "a \"your turn\" step needs the settings the "
                                    "student must make"));
        if (!s.Asks()) {
            if (s.answerLine || !s.choices.empty() || !s.mistakes.empty())
                Error(s.line, Translate("Lessons",
                                        "only predict and question steps take "
                                        "answers, choices and mistakes"));
            return;
        }
        if (!s.choices.empty()) {
            if (s.choices.size() < 2)
                Error(s.line, Translate("Lessons", "a choice question needs two choices or more"));
            const int count = static_cast<int>(s.choices.size());
            if (s.answer && (*s.answer != WholeOf(*s.answer) || *s.answer < 1 || *s.answer > count))
                Error(s.answerLine, FillIn(Translate("Lessons",
                                                     "the answer of a choice question "
                                                     "is the number of the right "
                                                     "choice, 1 to %1"),
                                           {std::to_string(count)}));
            else if (s.answer)
                s.correctChoice = WholeOf(*s.answer), s.answer.reset();
        }
        if (!s.answer && s.correctChoice == 0 && s.answerLine == 0)
            Error(s.line, Translate("Lessons", "the question has no \"answer:\""));
        if (s.choices.empty() && !s.tolerance && s.answer) s.tolerance = 0;
    }

    Lesson lesson_;
    Step* step_ = nullptr;
    LessonText* feedback_ = nullptr;
    std::string window_ = kMainWindowName;
    std::vector<LessonProblem> problems_;
};

}  // namespace

const std::string& LessonText::In(const std::string& language) const {
    if (language.empty()) return original;
    if (const auto found = translated.find(LowerAscii(language)); found != translated.end())
        return found->second;
    const std::string base = LowerAscii(language.substr(0, language.find('_')));
    if (const auto found = translated.find(base); found != translated.end()) return found->second;
    return original;
}

const char* StepKindWord(StepKind kind) {
    for (const KindWord& k : kKinds)
        if (k.kind == kind) return k.word;
    return "";
}

LessonRead ParseLesson(std::string_view bytes, const fs::path& file) {
    auto split = SplitLessonLines(bytes);
    if (auto* problems = std::get_if<std::vector<LessonProblem>>(&split))
        return {std::nullopt, std::move(*problems)};
    Parser parser(file);
    for (const LessonLine& line : std::get<std::vector<LessonLine>>(split)) parser.Line(line);
    return parser.Finish();
}

LessonRead ReadLesson(const fs::path& path) {
    std::error_code error;
    const fs::path file = fs::is_directory(path, error) ? path / kLessonFileName : path;
    const auto refused = [](const std::string& why) {
        return LessonRead{std::nullopt, {{0, why, true}}};
    };
    if (!fs::is_regular_file(file, error))
        return refused(FillIn(Translate("Lessons", "%1 is not a lesson file"), {file.string()}));
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > kMaxLessonBytes)
        return refused(Translate("Lessons", "the file is too large for a lesson"));
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in && !in.eof()) return refused(Translate("Lessons", "the file cannot be read"));
    return ParseLesson(bytes, file);
}

}  // namespace quorbel::lessons
