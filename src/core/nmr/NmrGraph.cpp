#include "nmr/NmrGraph.h"

#include <algorithm>
#include <cmath>

#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

constexpr double kPixel = 15;  // twips of a 96-dpi pixel
constexpr Color kTrace = Rgb(0, 0, 160);
constexpr Color kAxis = Rgb(96, 96, 96);
constexpr Color kRegion = Rgb(220, 235, 255);

double PlotHeight(const Surface& surface) {
    return std::max(kPixel, surface.Height() - kAxisBand);
}

// Strokes from the least to the greatest of `value(i)`, i = 0 .. count-1, over x from
// `x(i)`: the points of a pixel column become one stroke, joined to the next column.
template <class XOf, class ValueOf, class YOf>
void Trace(Surface& surface, int count, XOf x, ValueOf value, YOf y, Color color) {
    bool started = false;
    double column = 0, low = 0, high = 0, last = 0;
    auto flush = [&] {
        if (started) surface.Line(column, y(low), column, y(high) + 0.01, color);
    };
    for (int i = 0; i < count; ++i) {
        const double xi = std::round(x(i) / kPixel) * kPixel;
        const double v = value(i);
        if (!std::isfinite(xi) || !std::isfinite(v)) continue;
        if (started && xi == column) {
            low = std::min(low, v);
            high = std::max(high, v);
            continue;
        }
        flush();
        if (started) surface.Line(column, y(last), xi, y(v), color);
        started = true;
        column = xi;
        low = high = v;
        last = v;
    }
    flush();
}

void PpmAxis(Surface& surface, const SpectrumView& view) {
    const double plot = PlotHeight(surface);
    surface.Line(0, plot, surface.Width(), plot, kAxis);
    const std::vector<AxisTick> ticks =
        LinearTicks(view.leftPpm, 0, view.rightPpm, surface.Width(), 0, surface.Width(), 8);
    for (const AxisTick& tick : ticks) {
        surface.Line(tick.position, plot, tick.position, plot + 60, kAxis);
        const double w = surface.TextWidth(tick.label);
        surface.SetForeColor(kAxis);
        surface.SetCurrentX(std::clamp(tick.position - w / 2, 0.0, surface.Width() - w));
        surface.SetCurrentY(plot + 75);
        surface.PrintText(tick.label, true);
    }
}

}  // namespace

SpectrumView WholeView(const Spectrum& spectrum) {
    SpectrumView view;
    view.leftPpm = spectrum.Ppm(0);
    view.rightPpm = spectrum.Ppm(spectrum.Size() > 0 ? spectrum.Size() - 1 : 1);
    double low = 0, high = 0;
    for (const std::complex<double>& v : spectrum.points) {
        low = std::min(low, v.real());
        high = std::max(high, v.real());
    }
    if (!(high > low)) high = low + 1;
    const double room = 0.05 * (high - low);
    view.bottom = low - room;
    view.top = high + room;
    return view;
}

double PpmAtX(const SpectrumView& view, double width, double x) {
    return view.leftPpm + (view.rightPpm - view.leftPpm) * x / width;
}

double XOfPpm(const SpectrumView& view, double width, double ppm) {
    return (ppm - view.leftPpm) / (view.rightPpm - view.leftPpm) * width;
}

double YOfValue(const SpectrumView& view, double height, double value) {
    return height * (view.top - value) / (view.top - view.bottom);
}

void DrawSpectrum(Surface& surface, const Spectrum& spectrum, const SpectrumView& view,
                  const std::vector<std::pair<double, double>>& regions) {
    surface.Cls();
    const double width = surface.Width();
    const double plot = PlotHeight(surface);
    for (const auto& [a, b] : regions) {
        const double x1 = std::clamp(XOfPpm(view, width, a), 0.0, width);
        const double x2 = std::clamp(XOfPpm(view, width, b), 0.0, width);
        surface.FillRect(std::min(x1, x2), 0, std::max(x1, x2), plot, kRegion);
    }
    if (spectrum.Size() == 0 || view.leftPpm == view.rightPpm) return;
    // Only the points within the view (one more on each side, so the trace reaches the
    // edges).
    // Clamped before any conversion to int: a view far off the spectrum stays drawable.
    const double edge = spectrum.Size();
    const double p1 = std::clamp(spectrum.PointAt(view.leftPpm), -1.0, edge);
    const double p2 = std::clamp(spectrum.PointAt(view.rightPpm), -1.0, edge);
    const int first =
        std::clamp(static_cast<int>(std::floor(std::min(p1, p2))) - 1, 0, spectrum.Size() - 1);
    const int last =
        std::clamp(static_cast<int>(std::ceil(std::max(p1, p2))) + 1, 0, spectrum.Size() - 1);
    Trace(
        surface, last - first + 1,
        [&](int i) { return XOfPpm(view, width, spectrum.Ppm(first + i)); },
        [&](int i) { return spectrum.points[static_cast<std::size_t>(first + i)].real(); },
        [&](double v) { return std::clamp(YOfValue(view, plot, v), -kPixel, plot + kPixel); },
        kTrace);
    PpmAxis(surface, view);
}

void DrawFid(Surface& surface, const std::vector<std::complex<double>>& fid,
             const std::vector<double>& weights) {
    surface.Cls();
    const int n = static_cast<int>(fid.size());
    if (n < 2) return;
    double largest = 0;
    for (const std::complex<double>& v : fid) largest = std::max(largest, std::abs(v));
    if (!(largest > 0)) largest = 1;
    const double width = surface.Width();
    const double height = surface.Height();
    const double middle = height / 2;
    auto x = [&](int i) { return width * i / (n - 1); };
    auto y = [&](double v) { return middle - 0.45 * height * v / largest; };
    surface.Line(0, middle, width, middle, kAxis);
    Trace(
        surface, n, x, [&](int i) { return fid[static_cast<std::size_t>(i)].imag(); }, y,
        Rgb(200, 60, 60));
    Trace(
        surface, n, x, [&](int i) { return fid[static_cast<std::size_t>(i)].real(); }, y,
        Rgb(40, 40, 200));
    const int m = std::min(n, static_cast<int>(weights.size()));
    Trace(
        surface, m, x, [&](int i) { return weights[static_cast<std::size_t>(i)] * largest; }, y,
        Rgb(0, 150, 0));
}

WorksheetPicture SpectrumWorksheet(const Spectrum& spectrum, const SpectrumView& view,
                                   const std::string& title) {
    WorksheetPicture picture;
    picture.title = title;
    picture.drawingWidth = 9000;
    picture.drawingHeight = 4500 + kAxisBand;
    picture.shown = {0, 0, picture.drawingWidth, 4500};
    picture.x.title = Translate("Worksheet", "chemical shift (ppm)");
    picture.x.ticks =
        LinearTicks(view.leftPpm, 0, view.rightPpm, picture.drawingWidth, 0, picture.drawingWidth);
    picture.y.title = Translate("Worksheet", "intensity (arbitrary units)");
    picture.y.ticks = LinearTicks(view.top, 0, view.bottom, 4500, 0, 4500, 5);
    picture.draw = [spectrum, view](Surface& s) { DrawSpectrum(s, spectrum, view); };
    return picture;
}

}  // namespace quorbel::nmr
