#include "spectrum/LinearScale.h"

#include <array>
#include <string>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {
namespace {

// The start x of a label `width` twips wide, moved inside the surface where it would
// run over its left or right edge.
double Inside(const Surface& pic, double x, double width) {
    const double rightmost = pic.Width() - width;
    if (x > rightmost) x = rightmost;
    return x < 0 ? 0 : x;
}

// Prints the label of k from the current point, moved inside the surface: the labels
// of the first and last ticks of an expanded view stay whole while their ticks stay
// where they are.
void PrintInside(Surface& pic, int k) {
    const std::string text = ScaleLabelText(k);
    pic.SetCurrentX(Inside(pic, pic.CurrentX(), pic.TextWidth(text)));
    pic.Print({PrintItem::Str(text)});
}

// Which bins already carry a label, so that a medium or small-graph label never
// overprints a major one. Bins 0..1024 cover every graph of calculated waves; a bin
// outside the table counts as unlabelled and is never recorded.
class LabelledBins {
  public:
    bool Has(int k) const { return k >= 0 && k < kSize && flags_[static_cast<size_t>(k)]; }
    void Mark(int k) {
        if (k >= 0 && k < kSize) flags_[static_cast<size_t>(k)] = true;
    }

  private:
    static constexpr int kSize = 1025;
    std::array<bool, kSize> flags_{};
};

// A label of a small graph, where every point is numbered: one digit starts 80 twips
// left of the tick, longer numbers as the tick-end labels.
void LabelSmallGraph(Surface& pic, int k, double x, double y) {
    pic.PSet(x - 80, y, colors::kWhite);
    if (k >= 10) pic.PSet(x - 120, y, colors::kWhite);
    if (k >= 100) pic.PSet(x - 180, y, colors::kWhite);
    PrintInside(pic, k);
}

}  // namespace

std::string ScaleLabelText(int k) {
    return (k < 0 ? "" : " ") + NumberText(k) + " ";
}

double LabelOffset(int k) {
    return k >= 100 ? 180 : k >= 10 ? 120 : 0;
}

double LabelStart(const Surface& pic, int k, double x) {
    return Inside(pic, x - LabelOffset(k), pic.TextWidth(ScaleLabelText(k)));
}

// From two digits on the label is started further left (each white point only moves
// the current point) so that the digits stay roughly centred under the tick.
void LabelAtTickEnd(Surface& pic, int k, double x, double y) {
    pic.SetCurrentX(x);
    pic.SetCurrentY(y);
    if (k >= 10) pic.PSet(x - 120, y, colors::kWhite);
    if (k >= 100) pic.PSet(x - 180, y, colors::kWhite);
    PrintInside(pic, k);
}

void Escala_Lin(Surface& pic, int ftnpont, int Nzero, double xmin, double yzero) {
    const int n = ftnpont;
    const double W = pic.Width();

    // Below 100 points every bin gets a tick; from 100 on only every tenth, starting
    // at the first multiple of 10 that is shown.
    int step = 1;
    int first = Nzero;
    if (n >= 100) {
        step = 10;
        first = Nzero > 0 ? (Nzero + 9) / 10 * 10 : 0;
    }

    pic.Line(xmin, yzero + kRulerTop, xmin + W, yzero + kRulerTop);
    pic.Line(xmin, yzero + kRulerBottom, xmin + W, yzero + kRulerBottom);

    // A single point has no spacing; its ticks stand at the left edge.
    const double dx = n > 1 ? W / (n - 1) : 0.0;
    const int last = n + Nzero - 1;
    auto x = [&](int k) { return dx * (k - Nzero); };

    for (int k = first; k <= last; k += step) {
        pic.Line(x(k), yzero + kRulerTop, x(k), yzero + kRulerBottom);
    }

    LabelledBins labelled;
    for (int k = 0; k <= last; k += 10 * step) {
        if (k < Nzero) continue;
        pic.Line(x(k), yzero + kRulerTop, x(k), yzero + kMajorEnd);
        LabelAtTickEnd(pic, k, x(k), yzero + kMajorEnd);
        labelled.Mark(k);
    }

    // Between 100 and 300 points the majors are 100 bins apart, too sparse to read;
    // the medium ticks in between are labelled as well.
    const bool labelMedium = n >= 100 && n < 300;
    for (int k = 0; k <= last; k += 5 * step) {
        if (k < Nzero) continue;
        pic.Line(x(k), yzero + kRulerTop, x(k), yzero + kMediumEnd);
        if (labelMedium && !labelled.Has(k)) {
            LabelAtTickEnd(pic, k, x(k), yzero + kMediumEnd);
            labelled.Mark(k);
        }
    }

    // Few points: number every one. Multiples of 5 sit at the end of their medium
    // tick, the others just under the ruler.
    if (n < 20) {
        for (int k = first; k <= last; ++k) {
            if (labelled.Has(k)) continue;
            const double y = (k != 0 && k % 5 == 0) ? yzero + kMediumEnd : yzero + kRulerBottom;
            LabelSmallGraph(pic, k, x(k), y);
            labelled.Mark(k);
        }
    }
}

void LegendaPic1(Surface& pic) {
    pic.Cls();
    pic.SetCurrentX(600);
    pic.SetCurrentY(0);
    pic.SetFontName("Times New Roman");
    pic.SetFontSize(13);
    pic.SetFontBold(true);
    pic.Print({PrintItem::Str(Translate("Graphs", "Graph of Fourier Transform F("))}, true);
    pic.SetFontName("Symbol");
    pic.Print({PrintItem::Str("n")}, true);
    pic.SetFontName("Times New Roman");
    pic.Print({PrintItem::Str(")   (FFT)")});

    pic.SetFontBold(false);
    pic.SetCurrentX(100);
    pic.SetCurrentY(4440);
    pic.SetFontName("MS Sans Serif");
    pic.SetFontSize(8);
    pic.Print({PrintItem::Str(Translate("Graphs", "Frequency (Hz)"))});
}

}  // namespace quorbel
