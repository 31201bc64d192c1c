#include "rawfile/RawScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "spectrum/LinearScale.h"

namespace quorbel {

namespace {
// Tick starts of step 10 and 100 are sought up to this frequency.
constexpr int kHighestStart = 12000;

// Whole hertz, kept within a range the loops over ticks can count through.
int WholeHertz(double value) {
    return static_cast<int>(std::clamp(std::floor(value), -1e7, 1e7));
}

// The frequencies from fLeft to fRight that are multiples of `every` hertz.
std::vector<int> MultiplesShown(const RawAxis& a, int every) {
    std::vector<int> found;
    for (int f = 0; f <= a.fRight; f += every)
        if (f >= a.fLeft) found.push_back(f);
    return found;
}

// True when labels every `every` hertz, each hanging from its tick, leave room
// between them (the blanks around each number keep neighbours apart).
bool LabelsFitEvery(const Surface& pic, const RawAxis& a, int every) {
    double previousEnd = -1e300;
    for (int f : MultiplesShown(a, every)) {
        const double start = a.XOfFrequency(f) - LabelOffset(f);
        if (start < previousEnd) return false;
        previousEnd = start + pic.TextWidth(ScaleLabelText(f));
    }
    return true;
}

// Hertz between labels: the scale's own spacing (every major tick, and every medium
// one too for spans just above a change of step) where those labels fit side by
// side; otherwise the first of 2, 5, 10, 20, 50, ... majors whose labels do.
int LabelSpacing(const Surface& pic, const RawAxis& a, bool labelMedium) {
    const int major = 10 * a.step;
    if (labelMedium && LabelsFitEvery(pic, a, 5 * a.step)) return 5 * a.step;
    for (int every = major, k = 0; every <= std::max(a.span, major); ++k) {
        if (LabelsFitEvery(pic, a, every)) return every;
        every = (k % 3 == 0 ? every * 2 : k % 3 == 1 ? every / 2 * 5 : every * 2);
    }
    return std::max(a.span, major) + 1;  // no label fits beside another: the first only
}

// The labels drawn, from left to right: each one whose text, kept inside the graph,
// leaves room after the one before (an edge label moved inside may not).
std::vector<int> LabelsKept(const Surface& pic, const RawAxis& a, int every) {
    std::vector<int> kept;
    double previousEnd = -1e300;
    for (int f : MultiplesShown(a, every)) {
        const double start = LabelStart(pic, f, a.XOfFrequency(f));
        if (start < previousEnd) continue;
        kept.push_back(f);
        previousEnd = start + pic.TextWidth(ScaleLabelText(f));
    }
    return kept;
}
}  // namespace

RawAxis RawAxisFor(int ftnpont, int Nzero, int N, double fs, double width) {
    RawAxis a;
    // Without a window length (no samples, or no frequency) every bin is taken as 0 Hz.
    const double T = N / fs;
    if (T > 0 && std::isfinite(T)) {
        a.fLeft = WholeHertz(Nzero / T);
        a.fRight = WholeHertz((ftnpont + Nzero - 1) / T);
    }
    a.span = a.fRight - a.fLeft;
    if (a.span <= 100) {
        a.step = 1;
        a.first = a.fLeft;
    } else {
        a.step = a.span <= 1000 ? 10 : 100;
        a.first = 0;
        for (int f = 0; f <= kHighestStart; f += a.step) {
            if (f >= a.fLeft) {
                a.first = f;
                break;
            }
        }
    }
    a.scale = a.span > 0 ? width / a.span : 0;
    return a;
}

void Escala_Lin_raw(Surface& pic, int ftnpont, int Nzero, double xmin, double yzero, int N,
                    double fs) {
    const double W = pic.Width();
    const RawAxis a = RawAxisFor(ftnpont, Nzero, N, fs, W);
    pic.Line(xmin, yzero + kRulerTop, xmin + W, yzero + kRulerTop);
    pic.Line(xmin, yzero + kRulerBottom, xmin + W, yzero + kRulerBottom);

    for (int f = a.first; f <= a.fRight; f += a.step) {
        const double x = a.XOfFrequency(f);
        pic.Line(x, yzero + kRulerTop, x, yzero + kRulerBottom);
    }
    // Spans just above a change of step have sparse majors; the mediums are labelled.
    const bool labelMedium = (a.span > 1000 && a.span < 3000) || (a.span > 100 && a.span < 300);
    // Wide spans on a narrow graph label fewer majors, so that no two labels overlap.
    const int every = LabelSpacing(pic, a, labelMedium);
    const std::vector<int> kept = LabelsKept(pic, a, every);
    auto labelHere = [&kept](int f) { return std::binary_search(kept.begin(), kept.end(), f); };
    for (int f = 0; f <= a.fRight; f += 10 * a.step) {
        if (f < a.fLeft) continue;
        const double x = a.XOfFrequency(f);
        pic.Line(x, yzero + kRulerTop, x, yzero + kMajorEnd);
        if (labelHere(f)) LabelAtTickEnd(pic, f, x, yzero + kMajorEnd);
    }
    for (int f = 0; f <= a.fRight; f += 5 * a.step) {
        if (f < a.fLeft) continue;
        const double x = a.XOfFrequency(f);
        pic.Line(x, yzero + kRulerTop, x, yzero + kMediumEnd);
        // A major's label was printed with its tick above.
        if (labelHere(f) && f % (10 * a.step) != 0) LabelAtTickEnd(pic, f, x, yzero + kMajorEnd);
    }
}

}  // namespace quorbel
