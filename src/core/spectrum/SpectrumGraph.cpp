#include "spectrum/SpectrumGraph.h"

#include <cmath>
#include <vector>

#include "platform/Translation.h"

namespace quorbel {
namespace {

double Re(const DataList& s, int i) {
    return s.Value(2 * i + 1);
}
double Im(const DataList& s, int i) {
    return s.Value(2 * i + 2);
}

// The vertical position of value v between the axis y0 and the top margin ytop for
// the scale maximum M; nothing can be scaled by a maximum of 0, so v sits on the axis.
double ScaledY(double v, double y0, double ytop, double M) {
    return M != 0 ? y0 - (y0 - ytop) * v / M : y0;
}

// A trace through the values at equal steps across the width: a first point in the
// default colour, then dark red lines.
void DrawTrace(Surface& pic, const std::vector<double>& values, double y0, double ytop, double M) {
    const int n = static_cast<int>(values.size());
    if (n == 0) return;
    const double W = pic.Width();
    pic.PSet(0, ScaledY(values[0], y0, ytop, M));
    for (int j = 1; j < n; ++j)
        pic.LineTo(j * W / (n - 1), ScaledY(values[static_cast<size_t>(j)], y0, ytop, M),
                   colors::kDarkRed);
}

std::vector<double> ReadValues(const DataList& list, int n) {
    std::vector<double> values;
    values.reserve(static_cast<size_t>(n));
    for (int j = 1; j <= n; ++j) values.push_back(list.Value(j));
    return values;
}

}  // namespace

bool SpectrumInRange(const DataList& spectrumList) {
    if (!spectrumList.AllFinite()) return false;
    for (int line = 1; line < spectrumList.Count(); line += 2) {
        const double r = spectrumList.Value(line);
        const double m = spectrumList.Value(line + 1);
        if (!std::isfinite(r * r + m * m)) return false;
    }
    return true;
}

double GlobalMaximum(const DataList& spectrumList, int N) {
    double G = 0;
    for (int i = 0; i < N; ++i) {
        if (std::fabs(Re(spectrumList, i)) > G) G = std::fabs(Re(spectrumList, i));
        if (std::fabs(Im(spectrumList, i)) > G) G = std::fabs(Im(spectrumList, i));
    }
    return G;
}

DataList GraphValues(const DataList& spectrumList, int N, Quantity quantity) {
    std::vector<double> v(static_cast<size_t>(N), 0.0);
    for (int i = 0; i < N; ++i) {
        const double r = Re(spectrumList, i);
        const double m = Im(spectrumList, i);
        double& value = v[static_cast<size_t>(i)];
        switch (quantity) {
            case Quantity::Imaginary:
                value = m;
                break;
            case Quantity::Real:
            case Quantity::RealGlobal:
                value = r;
                break;
            case Quantity::Rho:
                value = std::sqrt(r * r + m * m);
                break;
            case Quantity::None:
                value = 0;
                break;
        }
    }
    // The real parts alone and the modulus are scaled by their own largest value;
    // the other quantities by the global maximum of both parts.
    double M = 0;
    if (quantity == Quantity::Real || quantity == Quantity::Rho) {
        for (double value : v)
            if (std::fabs(value) > M) M = std::fabs(value);
    } else {
        M = GlobalMaximum(spectrumList, N);
    }
    DataList list;
    list.Reserve(N + 3);
    list.AddNumber(N);
    for (double value : v) list.AddNumber(value);
    list.AddNumber(M);
    list.Add("0");
    return list;
}

DataList PartList(const DataList& spectrumList, int N, bool imaginary, double G) {
    DataList list;
    list.Reserve(N + 2);
    list.AddNumber(N);
    for (int i = 0; i < N; ++i)
        list.AddNumber(imaginary ? Im(spectrumList, i) : Re(spectrumList, i));
    list.AddNumber(G);
    return list;
}

double DrawLinearTrace(Surface& pic, const DataList& displayedValueList) {
    const double H = pic.Height();
    const double y0 = LinearTraceAxis(H);
    const double ytop = LinearTraceTop(H);
    DrawTraceBetween(pic, displayedValueList, y0, ytop);
    return y0;
}

void DrawTraceBetween(Surface& pic, const DataList& displayedValueList, double y0, double ytop) {
    const int n = displayedValueList.Whole(0);
    const double M = displayedValueList.Value(n + 1);
    pic.Line(0, y0, pic.Width(), y0);
    if (n > 0) DrawTrace(pic, ReadValues(displayedValueList, n), y0, ytop, M);
}

void DrawTwoGraphs(Surface& pic8, Surface& pic9, const DataList& imaginaryPartList,
                   const DataList& realPartList) {
    pic8.Cls();
    pic9.Cls();
    const int N = imaginaryPartList.Whole(0);
    const double G = imaginaryPartList.Value(N + 1);

    for (Surface* pic : {&pic8, &pic9}) {
        pic->SetFontName("Times New Roman");
        pic->SetFontSize(8);
        pic->SetFontBold(true);
        pic->Print({PrintItem::Tab(10),
                    PrintItem::Str(Translate(
                        "Graphs", pic == &pic8 ? QT_TRANSLATE_NOOP("Graphs", "FFT-Imaginary Part")
                                               : QT_TRANSLATE_NOOP("Graphs", "FFT-Real Part")))});
    }
    // Both areas use the geometry of the upper one.
    const double H = pic8.Height();
    const double W = pic8.Width();
    const double y0 = H / 2;
    const double ytop = H / 10;
    pic8.Line(0, y0, W, y0);
    pic9.Line(0, y0, pic9.Width(), y0);
    if (N > 0) {
        DrawTrace(pic8, ReadValues(imaginaryPartList, N), y0, ytop, G);
        DrawTrace(pic9, ReadValues(realPartList, N), y0, ytop, G);
    }

    // Bin scale on the upper graph only; the two-graph display is never expanded.
    pic8.SetFontName("Arial");
    pic8.SetFontSize(7);
    const double dx = N > 1 ? W / (N - 1) : 0;
    for (int k = 0; k <= N; k += 10) pic8.Line(k * dx, y0 + 200, k * dx, y0 + 240);
    for (int k = 0; k <= N; k += 100) {
        pic8.Line(k * dx, y0 + 200, k * dx, y0 + 320);
        if (k >= 100) pic8.PSet(k * dx - 150, y0 + 320, colors::kWhite);
        pic8.Print({PrintItem::Num(k)});
    }
    for (int k = 0; k <= N; k += 50) pic8.Line(k * dx, y0 + 200, k * dx, y0 + 280);
}

}  // namespace quorbel
