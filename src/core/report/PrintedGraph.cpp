#include "report/PrintedGraph.h"

#include <cmath>
#include <functional>
#include <set>

#include "platform/Translation.h"

namespace quorbel {
namespace {

using L = PrintedGraphLayout;

// Positions on paper are whole twips, truncated toward minus infinity.
double Int(double x) {
    return std::floor(x);
}

// Header numbers of the list are rounded to whole numbers, halves to even. Values far
// beyond any graph (a damaged list) read as 0.
long long Rounded(double x) {
    const double r = std::nearbyint(x);
    return std::isfinite(r) && std::fabs(r) < 1e9 ? static_cast<long long>(r) : 0;
}

// The first multiple of step from 0 that is not below `lowest`.
long long FirstMultiple(long long lowest, long long step) {
    if (lowest <= 0) return 0;
    return (lowest + step - 1) / step * step;
}

void Curve(Surface& page, const DataList& shown, int n) {
    if (n < 1) return;
    const double M = shown.Value(n + 1);
    // A scale maximum of 0 scales nothing: the curve lies on the zero line.
    auto y = [&](int i) {
        return M != 0 ? Int(L::y0 - shown.Value(i) * (L::y0 - L::yTop) / M) : L::y0;
    };
    auto x = [&](int i) { return n > 1 ? Int(L::x0 + (i - 1) * L::W / (n - 1)) : L::x0; };
    page.PSet(L::x0, y(1), colors::kBlack);
    for (int i = 2; i <= n; ++i) page.LineTo(x(i), y(i), colors::kDarkRed);
}

// One frequency scale: the indices `lowest`..`last` across the plot, a small tick every
// `step` from `firstTick`, long labelled ticks every ten steps and medium ticks every
// five, counted from 0.
struct Scale {
    long long lowest = 0;
    long long last = 0;
    long long step = 1;
    long long firstTick = 0;
    std::function<double(long long)> X;
    bool labelMedium = false;  // medium ticks get the labels still missing
    bool labelAll = false;     // every small tick gets a label
};

// The label's x offset from its tick: numbers are centred roughly under the tick.
double LongLabelOffset(long long f) {
    if (f == 0) return -80;
    if (f < 10) return 0;
    return f < 100 ? -120 : -180;
}
double SmallLabelOffset(long long f) {
    if (f <= 9) return -80;
    return f < 100 ? -120 : -180;
}

void DrawScale(Surface& page, const Scale& s) {
    std::set<long long> labelled;
    auto tick = [&](long long f, double end) {
        page.Line(s.X(f), L::y0 + 200, s.X(f), L::y0 + end, colors::kBlack);
    };
    // The label's text position is set with a white point, invisible on paper.
    auto label = [&](long long f, double x, double below) {
        page.PSet(x, L::y0 + below, colors::kWhite);
        page.Print({PrintItem::Num(static_cast<double>(f))});
        labelled.insert(f);
    };

    for (double y : {L::y0 + 200, L::y0 + 280})
        page.Line(L::x0 - 200, y, L::x0 + L::W + 200, y, colors::kBlack);
    for (long long f = s.firstTick; f <= s.last; f += s.step) tick(f, 280);

    page.SetFontName("Times New Roman");
    page.SetFontSize(8);
    page.SetFontBold(false);
    for (long long f = FirstMultiple(s.lowest, 10 * s.step); f <= s.last; f += 10 * s.step) {
        tick(f, 460);
        label(f, s.X(f) + LongLabelOffset(f), 460);
    }
    for (long long f = FirstMultiple(s.lowest, 5 * s.step); f <= s.last; f += 5 * s.step) {
        tick(f, 380);
        if (!labelled.count(f) && s.labelMedium) label(f, s.X(f) + LongLabelOffset(f), 380);
    }
    if (s.labelAll) {
        for (long long f = s.firstTick; f <= s.last; ++f) {
            if (labelled.count(f)) continue;
            const double fifth = static_cast<double>(f) / 5;
            const bool multipleOf5 = f != 0 && fifth - Int(fifth) < 0.00001;
            label(f, s.X(f) + SmallLabelOffset(f), multipleOf5 ? 380 : 280);
        }
    }

    // The grid is drawn over the curve.
    for (long long f = s.firstTick; f <= s.last; f += s.step)
        page.Line(s.X(f), L::gridTop, s.X(f), L::y0 + 200, kPrintedGridColor);
    for (int j = 0; j < 20; ++j)
        page.Line(L::x0, L::gridTop + L::gridStep * j, L::x0 + L::W, L::gridTop + L::gridStep * j,
                  kPrintedGridColor);
}

// Bins as frequencies: one tick per bin below 100 points, else every ten bins.
Scale BinScale(int n, long long first) {
    Scale s;
    s.lowest = first;
    s.last = first + n - 1;
    const double k = n > 1 ? L::W / (n - 1) : 0;  // twips per bin
    s.X = [k, first](long long f) { return Int(L::x0 + k * static_cast<double>(f - first)); };
    if (n > 99) {
        s.step = 10;
        s.firstTick = FirstMultiple(first, 10) <= 1000 ? FirstMultiple(first, 10) : 0;
    } else {
        s.firstTick = first;
    }
    s.labelMedium = n > 99 && n < 300;
    s.labelAll = n <= 19;
    return s;
}

// Hertz for raw data: the bins of the window converted with its duration T.
Scale HertzScale(int n, long long first, const PrintedScale& input) {
    Scale s;
    const double T = input.totalPoints / input.samplingRate;
    if (!std::isfinite(T) || T <= 0) {
        // No duration, no frequencies: the scale has no ticks.
        s.last = -1;
        s.X = [](long long) { return L::x0; };
        return s;
    }
    const long long fmin = static_cast<long long>(Int(static_cast<double>(first) / T));
    const long long fmax = static_cast<long long>(Int(static_cast<double>(first + n - 1) / T));
    const long long range = fmax - fmin;
    s.lowest = fmin;
    s.last = fmax;
    s.step = range <= 100 ? 1 : range <= 1000 ? 10 : 100;
    if (s.step == 1)
        s.firstTick = fmin;
    else
        s.firstTick = FirstMultiple(fmin, s.step) <= 12000 ? FirstMultiple(fmin, s.step) : 0;
    s.X = [fmin, range](long long f) {
        return range > 0
                   ? Int(L::x0 + static_cast<double>(f - fmin) * L::W / static_cast<double>(range))
                   : L::x0;
    };
    s.labelMedium = (range > 100 && range < 300) || (range > 1000 && range < 3000);
    return s;
}

void Titles(Surface& page) {
    page.SetFontName("Times New Roman");
    page.SetFontSize(12);
    page.SetFontBold(false);
    page.SetCurrentX(L::x0);
    page.SetCurrentY(L::y0 + 600);
    page.PrintText(Translate("Graphs", "frequency, (Hz)"));
    page.SetCurrentX(3000);
    page.SetCurrentY(L::gridTop);
    page.SetFontSize(14);
    page.SetFontBold(true);
    page.PrintText(Translate("Graphs", "Fourier Transform, F"), true);
    page.SetFontName("Symbol");
    page.PrintText("(n)");  // (ν)
}

void FrameAndBorder(Surface& page) {
    page.Line(L::x0, L::gridTop, L::x0, L::y0 + 200, colors::kBlack);
    page.Line(L::x0, L::gridTop, L::x0 + L::W, L::gridTop, colors::kBlack);
    page.Line(L::x0 + L::W, L::gridTop, L::x0 + L::W, L::y0 + 200, colors::kBlack);
    // Three rectangles 15 twips apart make a border about 45 twips thick; the last
    // line ends at its lower right corner.
    const double left = L::x0 - 200, top = 1300, right = L::x0 + L::W + 200, bottom = L::y0 + 1000;
    for (double d : {-15.0, 0.0, 15.0}) {
        page.Line(left, top + d, right, top + d, colors::kBlack);
        page.Line(left + d, top, left + d, bottom, colors::kBlack);
        page.Line(right + d, top, right + d, bottom, colors::kBlack);
        page.Line(left, bottom + d, right, bottom + d, colors::kBlack);
    }
}

}  // namespace

void DrawPrintedGraph(Surface& page, const DataList& shown, const PrintedScale& scale) {
    const long long count = Rounded(shown.Value(0));
    const int n = count > 0 && count <= 1 << 20 ? static_cast<int>(count) : 0;
    const long long first = Rounded(shown.Value(n + 2));

    page.Line(L::x0, L::y0, L::x0 + L::W, L::y0, colors::kBlack);
    Curve(page, shown, n);
    if (n > 0) DrawScale(page, scale.rawData ? HertzScale(n, first, scale) : BinScale(n, first));
    Titles(page);
    FrameAndBorder(page);
}

}  // namespace quorbel
