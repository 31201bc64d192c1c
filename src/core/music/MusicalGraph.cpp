#include "music/MusicalGraph.h"

#include <algorithm>
#include <cmath>

namespace quorbel {

namespace {

using namespace music;

// Twips per natural-log unit of frequency: 440 Hz lies 15900 twips right of f0.
double LogScale() {
    return kReferenceX / std::log(kReferencePitch / kF0);
}

// The tick table of the frequency axis: from `first` to `last` by `step` hertz.
struct TickRun {
    double first, last, step;
};

// Where a tick ends below the axis line (which lies 200 under the baseline).
constexpr double kMinorEnd = 260, kMediumEnd = 320, kMajorEnd = 360;
constexpr double kMinorLabel = 280, kMajorLabel = 400;
constexpr double kCircleRadius = 20;

constexpr TickRun kMinorTicks[] = {
    {1, 50, 1}, {60, 500, 10}, {600, 5000, 100}, {6000, 50000, 1000}};
constexpr TickRun kMediumTicks[] = {
    {5, 50, 5}, {50, 500, 50}, {500, 5000, 500}, {5000, 50000, 5000}};

// Major ticks: each run with the label's left offset from its tick and whether the
// label is in thousands (" K").
struct MajorRun {
    TickRun run;
    double labelOffset;
    bool kilo;
};
constexpr MajorRun kMajorTicks[] = {
    {{1, 5, 4}, 100, false},
    {{10, 50, 10}, 120, false},
    {{100, 500, 100}, 180, false},
    {{1000, 5000, 1000}, 180, true},
    {{10000, 50000, 10000}, 180, true},
};

template <class Draw>
void ForEachTick(const TickRun& run, Draw draw) {
    // Whole hertz: a counter keeps the steps exact.
    const int count = static_cast<int>((run.last - run.first) / run.step + 0.5);
    for (int i = 0; i <= count; ++i) draw(run.first + i * run.step);
}

void DrawFrequencyAxis(Surface& pic, double y0, double shift) {
    const double W = pic.Width();
    const double axis = y0 + 200;
    pic.Line(0, axis, W, axis);
    for (const TickRun& run : kMinorTicks) {
        ForEachTick(run, [&](double f) {
            const double x = MusicalX(f, shift);
            pic.Line(x, axis, x, y0 + kMinorEnd);
            if (f == 2 || f == 3 || f == 4) {
                pic.PSet(x - 100, y0 + kMinorLabel, pic.BackColor());
                pic.Print({PrintItem::Num(f)});
            }
        });
    }
    for (const TickRun& run : kMediumTicks) {
        ForEachTick(run, [&](double f) {
            const double x = MusicalX(f, shift);
            pic.Line(x, axis, x, y0 + kMediumEnd);
        });
    }
    for (const MajorRun& major : kMajorTicks) {
        ForEachTick(major.run, [&](double f) {
            const double x = MusicalX(f, shift);
            pic.Line(x, axis, x, y0 + kMajorEnd);
            pic.Circle(x, y0 + kMajorEnd, kCircleRadius);
            pic.PSet(x - major.labelOffset, y0 + kMajorLabel, pic.BackColor());
            if (major.kilo)
                pic.Print({PrintItem::Num(f / 1000), PrintItem::Str(" K")});
            else
                pic.Print({PrintItem::Num(f)});
        });
    }
}

}  // namespace

double MusicalX(double f, double shift) {
    return shift + LogScale() * std::log(f / kF0);
}

double KeyboardFrequency(double x) {
    return kReferencePitch * std::pow(std::pow(2.0, 1.0 / 120), (x - kReferenceX) / kTuningStep);
}

MusicalBaseline MusicalBaselineOf(double H, double sign) {
    if (sign < 0) return {H / 3, 0};
    return {2 * H / 3 - 500, H / 8};
}

void Logscale2(Surface& pic, const MusicalSpectrum& spectrum) {
    const double H = pic.Height();
    const double W = pic.Width();
    const double sign = spectrum.sign;
    const MusicalBaseline base = MusicalBaselineOf(H, sign);
    const double y0 = base.y0, yTop = base.yTop;
    const double yScale = spectrum.ymax != 0 ? (y0 - yTop) / spectrum.ymax : 0;
    auto y = [&](double v) { return y0 - yScale * sign * v; };
    const std::vector<double>& values = spectrum.ygraf;
    // Without a usable sampling frequency no bin has a place on the axis.
    const bool placed = spectrum.binHz > 0 && std::isfinite(spectrum.binHz);

    auto clear = [&] {
        pic.SetBackColor(kCanvasBack);
        pic.SetForeColor(colors::kWhite);
        pic.Cls();
        pic.Line(0, y0, W, y0, colors::kBlack);
    };
    auto curve = [&] {
        if (values.empty()) return;
        // The zero-frequency value stands at the left edge, moved by the shift.
        pic.PSet(spectrum.shift, y(values[0]));
        for (size_t i = 1; placed && i < values.size(); ++i)
            pic.LineTo(MusicalX(static_cast<double>(i) * spectrum.binHz, spectrum.shift),
                       y(values[i]), colors::kDarkRed);
    };
    auto scale = [&] {
        DrawFrequencyAxis(pic, y0, spectrum.shift);
        Escmus2(pic);
        DrawKeyboard(pic, kKeyboardLeft, kKeyboardTop, kKeyboardWidth, kKeyboardHeight);
    };

    // The scale and the keyboard are drawn over the curve. While the curve keeps above
    // the axis line (two pixels clear of it) nothing of the two meets, so a surface that
    // keeps pictures lays down the scale it drew last time and only the curve is drawn:
    // this is what the live view does many times a second.
    const double axisClear = y0 + 200 - 2 / pic.PixelsPerTwip();
    const bool apart = sign > 0 && std::all_of(values.begin(), values.end(),
                                               [&](double v) { return y(v) < axisClear; });
    if (!pic.KeepsPictures() || !apart) {
        clear();
        curve();
        scale();
        return;
    }
    pic.DrawKept({W, H, sign, spectrum.shift}, [&] {
        clear();
        scale();
    });
    // The curve as it is drawn after clear(); then the state the scale left.
    const double x = pic.CurrentX(), yEnd = pic.CurrentY();
    const Color fore = pic.ForeColor();
    pic.SetForeColor(colors::kWhite);
    curve();
    pic.SetForeColor(fore);
    pic.SetCurrentX(x);
    pic.SetCurrentY(yEnd);
}

void Escmus2(Surface& pic) {
    const double yR = static_cast<float>(2 * pic.Height() / 3 + 400);
    for (double x = 0; x <= kCanvasWidth; x += kSemitone)
        pic.Line(x, yR, x, yR + 280, colors::kYellow);
    pic.Line(kReferenceX, yR + 280, kReferenceX, yR - 100);
}

std::vector<double> HarmonicOffsets() {
    const double L = std::log(std::pow(2.0, 1.0 / 120));
    std::vector<double> offsets;
    for (int k = 1; k <= 16; ++k) {
        const double d = std::log(k + 1.0) / L;  // tenths of a semitone to harmonic k+1
        const double X = kTuningStep * d + kReferenceX;
        offsets.push_back(X - kReferenceX);
    }
    return offsets;
}

}  // namespace quorbel
