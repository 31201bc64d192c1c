#include "lessons/LessonAnswers.h"

#include <algorithm>
#include <cmath>

#include "music/NoteName.h"
#include "platform/Translation.h"
#include "report/Report.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel::lessons {

namespace {

// Hertz between two points of the graph: calculated waves span one second, so a
// point is a hertz; a file's N samples at fs span N / fs seconds.
double HertzPerPoint(const MainWindowModel& main, int points) {
    if (main.Source() != DataSource::RawFile) return 1;
    const double fs = DecimalPrefix(main.State().Get(Field::cyclesPerSecond));
    return points > 0 ? fs / (2.0 * points) : 0;
}

std::vector<ReportRow> Rows(const MainWindowModel& main) {
    const AnalysisState& s = main.State();
    const bool raw = main.Source() == DataSource::RawFile;
    return raw ? ReportRows(s.graphValueList, s.spectrumList, true,
                            DecimalPrefix(s.Get(Field::cyclesPerSecond)))
               : ReportRows(s.graphValueList, s.spectrumList, false);
}

// The width at half height of the tallest point's peak, in points, the crossings
// placed between points by straight lines.
std::optional<double> HalfWidthPoints(const std::vector<double>& v) {
    if (v.size() < 3) return std::nullopt;
    const size_t top = static_cast<size_t>(std::max_element(v.begin(), v.end()) - v.begin());
    const double half = v[top] / 2;
    if (!(half > 0)) return std::nullopt;
    size_t left = top, right = top;
    while (left > 0 && v[left - 1] >= half) --left;
    while (right + 1 < v.size() && v[right + 1] >= half) ++right;
    double width = static_cast<double>(right - left);
    if (left > 0) width += (v[left] - half) / (v[left] - v[left - 1]);
    if (right + 1 < v.size()) width += (v[right] - half) / (v[right] - v[right + 1]);
    return width;
}

std::string NoteOnly(double hertz) {
    const std::string note = NoteName(hertz);
    return note.substr(0, note.find(' '));
}

std::optional<ProgramAnswer> RowAnswer(const ReportRow& row, const std::string& what) {
    if (what == "frequency") return ProgramAnswer{row.frequency, NumberText(row.frequency), 0.001};
    if (what == "amplitude") return ProgramAnswer{row.amplitude, NumberText(row.amplitude), 0.1};
    if (what == "phase") return ProgramAnswer{row.phi, NumberText(row.phi), 0.00001};
    if (what == "note") return ProgramAnswer{std::nullopt, NoteOnly(row.frequency), 0};
    return std::nullopt;
}

const std::string kQuantities[] = {"frequency", "amplitude", "phase", "note"};

// The NMR window's read-out, each with the step it is shown in.
std::optional<ProgramAnswer> NmrAnswer(const NmrWindowModel& nmr, const std::string& check) {
    const auto answer = [](std::optional<double> n, double shown) -> std::optional<ProgramAnswer> {
        if (!n) return std::nullopt;
        return ProgramAnswer{*n, NumberText(*n), shown};
    };
    if (check == "nmr line width") return answer(nmr.MeasuredWidthHz(), 0.01);
    if (check == "nmr peak ppm") return answer(nmr.MeasuredPeakPpm(), 0.0001);
    if (check == "nmr signal to noise") return answer(nmr.MeasuredSignalToNoise(), 0.1);
    return std::nullopt;
}

bool IsNmrCheck(const std::string& check) {
    return check == "nmr line width" || check == "nmr peak ppm" || check == "nmr signal to noise";
}

}  // namespace

bool IsCheck(const std::string& check) {
    if (check == "peak count" || check == "resolution" || check == "line width" ||
        IsNmrCheck(check))
        return true;
    for (const std::string& q : kQuantities) {
        if (check == "tallest peak " + q) return true;
        if (check.rfind("peak ", 0) == 0 && check.size() > 5 + q.size() &&
            check.compare(check.size() - q.size() - 1, std::string::npos, " " + q) == 0) {
            const auto n = ParseNumber(check.substr(5, check.size() - q.size() - 6));
            if (n && *n >= 1 && *n == std::floor(*n)) return true;
        }
    }
    return false;
}

std::optional<ProgramAnswer> AnswerOf(const MainWindowModel& main, const std::string& check) {
    if (!IsCheck(check)) return std::nullopt;
    if (IsNmrCheck(check)) return NmrAnswer(main.Nmr(), check);
    const GraphRead graph = ReadGraph(main.State().graphValueList);
    const int points = static_cast<int>(graph.values.size());
    if (points == 0) return std::nullopt;
    const double perPoint = HertzPerPoint(main, points);
    if (check == "resolution") return ProgramAnswer{perPoint, NumberText(perPoint), 0.001};
    if (check == "line width") {
        const auto width = HalfWidthPoints(graph.values);
        if (!width) return std::nullopt;
        const double hertz = std::round(*width * perPoint * 1000) / 1000;
        return ProgramAnswer{hertz, NumberText(hertz), 0.001};
    }
    const std::vector<ReportRow> rows = Rows(main);
    if (check == "peak count") {
        const double n = static_cast<double>(rows.size());
        return ProgramAnswer{n, NumberText(n), 0};
    }
    if (rows.empty()) return std::nullopt;
    const std::string what = check.substr(check.rfind(' ') + 1);
    if (check.rfind("tallest peak ", 0) == 0) {
        const auto tallest = std::max_element(
            rows.begin(), rows.end(),
            [](const auto& a, const auto& b) { return a.amplitude < b.amplitude; });
        return RowAnswer(*tallest, what);
    }
    const int n = WholeNumber(check.substr(5));
    if (n < 1 || n > static_cast<int>(rows.size())) return std::nullopt;
    return RowAnswer(rows[static_cast<size_t>(n - 1)], what);
}

std::optional<double> StudentNumber(const std::string& text) {
    if (const std::optional<double> n = ParseNumber(text)) return n;
    // One comma and no point: the decimal mark of the student's language.
    std::string pointed = text;
    if (std::count(pointed.begin(), pointed.end(), ',') != 1 ||
        pointed.find('.') != std::string::npos)
        return std::nullopt;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return ParseNumber(pointed);
}

namespace {

std::string Join(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + "\n" + b;
}

// What follows a wrong answer: the hint after the first, the explanation and the
// answer from the second on, so that nobody stays stuck.
std::string AfterMiss(const Step& step, int misses, const std::string& answer,
                      const std::string& language) {
    if (misses == 0)
        return step.hint.Empty() ? Translate("Lessons", "Not quite: look again, and try once more.")
                                 : step.hint.In(language);
    return Join(step.explain.In(language),
                FillIn(Translate("Lessons", "The answer is %1."), {answer}));
}

std::string RightText(const Step& step, const std::string& language) {
    return step.right.Empty() ? Translate("Lessons", "Right!") : step.right.In(language);
}

}  // namespace

Verdict JudgeNumber(const Step& step, double expected, const std::string& typed, int misses,
                    const std::string& language) {
    const std::optional<double> n = StudentNumber(typed);
    if (!n)
        return {false,
                FillIn(Translate("Lessons", "\"%1\" is not a number: write it as 2.5 or 2,5"),
                       {typed})};
    const double tolerance = step.tolerance.value_or(0);
    const bool right = std::abs(*n - expected) <= tolerance + 1e-9 * std::abs(expected);
    std::string mistake;
    for (const Mistake& m : step.mistakes)
        if (!right && std::abs(*n - m.value) <= tolerance + 1e-9 * std::abs(m.value))
            mistake = m.feedback.In(language);
    if (step.kind == StepKind::Predict) {
        const std::string shown =
            FillIn(Translate("Lessons", "You predicted %1; the window shows %2."),
                   {NumberText(*n), NumberText(expected)});
        return {right, right ? Join(RightText(step, language), shown)
                             : Join(Join(shown, mistake), step.explain.In(language))};
    }
    if (right) return {true, RightText(step, language)};
    return {false, Join(mistake, AfterMiss(step, misses, NumberText(expected), language))};
}

Verdict JudgeChoice(const Step& step, int chosen, int misses, const std::string& language) {
    if (chosen < 1 || chosen > static_cast<int>(step.choices.size()))
        return {false, Translate("Lessons", "Choose one of the answers.")};
    const Choice& correct = step.choices[static_cast<size_t>(step.correctChoice - 1)];
    const bool right = chosen == step.correctChoice;
    const std::string feedback =
        step.choices[static_cast<size_t>(chosen - 1)].feedback.In(language);
    if (step.kind == StepKind::Predict)
        return {right, right ? Join(RightText(step, language), feedback)
                             : Join(feedback, step.explain.In(language))};
    if (right) return {true, Join(RightText(step, language), feedback)};
    return {false, Join(feedback, AfterMiss(step, misses, correct.text.In(language), language))};
}

}  // namespace quorbel::lessons
