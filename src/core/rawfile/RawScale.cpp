#include "rawfile/RawScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "spectrum/LinearScale.h"

namespace quorbel {

namespace {
// Tick starts of step 10 and 100 are sought up to this frequency.
constexpr int kHighestStart = 12000;
// Labelled frequencies are remembered up to this many hertz; files are expected to
// be sampled at no more than 65536 Hz, whose positive half ends here.
constexpr int kLabelFlags = 32769;

// Whole hertz, kept within a range the loops over ticks can count through.
int WholeHertz(double value) {
    return static_cast<int>(std::clamp(std::floor(value), -1e7, 1e7));
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
    std::vector<bool> labelled(kLabelFlags, false);
    auto mark = [&labelled](int f) {
        if (f >= 0 && f < kLabelFlags) labelled[static_cast<std::size_t>(f)] = true;
    };
    auto isLabelled = [&labelled](int f) {
        return f >= 0 && f < kLabelFlags && labelled[static_cast<std::size_t>(f)];
    };
    for (int f = 0; f <= a.fRight; f += 10 * a.step) {
        if (f < a.fLeft) continue;
        const double x = a.XOfFrequency(f);
        pic.Line(x, yzero + kRulerTop, x, yzero + kMajorEnd);
        LabelAtTickEnd(pic, f, x, yzero + kMajorEnd);
        mark(f);
    }
    // Spans just above a change of step have sparse majors; the mediums are labelled.
    const bool labelMedium = (a.span > 1000 && a.span < 3000) || (a.span > 100 && a.span < 300);
    for (int f = 0; f <= a.fRight; f += 5 * a.step) {
        if (f < a.fLeft) continue;
        const double x = a.XOfFrequency(f);
        pic.Line(x, yzero + kRulerTop, x, yzero + kMediumEnd);
        if (labelMedium && !isLabelled(f)) {
            LabelAtTickEnd(pic, f, x, yzero + kMajorEnd);
            mark(f);
        }
    }
}

}  // namespace quorbel
