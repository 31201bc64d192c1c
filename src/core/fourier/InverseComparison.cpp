#include "fourier/InverseComparison.h"

#include <algorithm>
#include <cmath>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {

namespace {
// The table's second column starts at character 27: the original value is padded to
// 26 characters.
constexpr std::size_t kFirstColumnWidth = 25;

// One function on its baseline: a scale of 0 (its maximum is 0) keeps every point on
// the baseline instead of dividing by zero.
void DrawFunction(Surface& s, const std::vector<double>& values, double left, double width,
                  float baseline, float height, double maximum, Color color) {
    s.Line(left, baseline, left + width, baseline);
    s.PSet(left, baseline);
    const double N = static_cast<double>(values.size());
    for (std::size_t j = 1; j <= values.size(); ++j) {
        const double y = maximum != 0 ? baseline - values[j - 1] * height / maximum
                                      : static_cast<double>(baseline);
        s.LineTo(left + width * static_cast<double>(j) / N, y, color);
    }
}
}  // namespace

std::optional<double> InverseComparison::RelativeError() const {
    if (maxOrig == 0) return std::nullopt;
    return 100 * maxError / maxOrig;
}

InverseComparison CompareInverse(const DataList& sampleList, const DataList& inverseList, int N) {
    InverseComparison c;
    c.N = N;
    const double half = N / 2.0;
    for (int j = 1; j <= N; ++j) {
        const double o = sampleList.Value(j);
        const double r = inverseList.Value(j) / half;
        c.orig.push_back(o);
        c.rec.push_back(r);
        if (o > c.maxOrig) c.maxOrig = o;
        if (o < c.minOrig) c.minOrig = o;
        if (r > c.maxRevert) c.maxRevert = r;
        if (r < c.minRevert) c.minRevert = r;
    }
    for (std::size_t j = 0; j < c.orig.size(); ++j)
        c.maxError = std::max(c.maxError, std::abs(c.orig[j] - c.rec[j]));
    return c;
}

std::vector<InverseFigureLine> InverseFigureLines(const InverseComparison& c) {
    std::vector<InverseFigureLine> lines = {
        {"maxOrig=", c.maxOrig, ""}, {"maxRevert=", c.maxRevert, ""},
        {"minOrig=", c.minOrig, ""}, {"minRevert=", c.minRevert, ""},
        {"", std::nullopt, ""},      {Translate("Form4", "Maximum error="), c.maxError, ""}};
    if (const std::optional<double> relative = c.RelativeError())
        lines.push_back({Translate("Form4", "Maximum relative error="), *relative, "%"});
    else
        lines.push_back({Translate("Form4", "Maximum relative error="), std::nullopt,
                         Translate("Form4", "undefined")});
    return lines;
}

std::string FigureLineText(const InverseFigureLine& line) {
    return line.label + (line.value ? NumberText(*line.value) : "") + line.suffix;
}

std::string InverseTableRow(const std::string& a, const std::string& b) {
    std::string row = a;
    const std::size_t padding = row.size() < kFirstColumnWidth ? kFirstColumnWidth - row.size() : 0;
    row += std::string(1 + padding, ' ');
    return row + b;
}

void DrawInverseResults(Surface& form4, const InverseComparison& c, const InverseFrame& frame) {
    using P = PrintItem;
    form4.Cls();
    for (const InverseFigureLine& line : InverseFigureLines(c)) {
        if (line.label.empty()) {
            form4.Print({});
            continue;
        }
        std::vector<P> items = {P::Tab(3), P::Str(line.label)};
        if (line.value) items.push_back(P::Num(*line.value));
        if (!line.suffix.empty()) items.push_back(P::Str(line.suffix));
        form4.Print(items);
    }
    form4.Print({});
    form4.SetFontName("Times New Roman");
    form4.SetFontSize(10);
    form4.SetFontBold(true);
    form4.Print({P::Tab(7), P::Str(Translate("Form4", "Table of all Points of  both Functions"))});
    form4.SetFontName("MS Sans Serif");
    form4.SetFontSize(8);
    form4.SetFontBold(false);
    form4.Print({P::Tab(15), P::Str(Translate("Form4", "Number of points: ")), P::Num(c.N)});
    form4.Print(
        {P::Tab(3), P::Str(Translate(
                        "Form4", "Points of original function || Points of recovered function"))});

    // The baselines are single-precision values, as the window computes them.
    const double L = frame.left, T = frame.top, W = frame.width, H = frame.height;
    const float yOrig = static_cast<float>(T + 3 * H / 4);
    const float yMid = static_cast<float>(T + H / 2);
    const float yRec = static_cast<float>(T + H / 4);
    DrawFunction(form4, c.orig, L, W, yOrig, yOrig - yMid, c.maxOrig, Rgb(192, 0, 0));
    DrawFunction(form4, c.rec, L, W, yRec, static_cast<float>(yRec - T), c.maxRevert,
                 Rgb(0, 128, 0));
}

}  // namespace quorbel
