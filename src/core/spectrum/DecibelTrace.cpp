#include "spectrum/DecibelTrace.h"

#include <algorithm>
#include <cmath>

#include "state/NumberText.h"

namespace quorbel {

double DecibelLevel(double value, double reference, double floorDb) {
    const double v = std::fabs(value);
    if (!(reference > 0) || !std::isfinite(reference) || !(v > 0)) return floorDb;
    const double level = 20 * std::log10(v / reference);
    return std::isfinite(level) ? std::max(level, floorDb) : floorDb;
}

DataList DecibelList(const DataList& displayed, double reference, double floorDb) {
    const int n = displayed.Whole(0);
    DataList list;
    list.Reserve(n + 3);
    list.AddNumber(n);
    for (int j = 1; j <= n; ++j)
        list.AddNumber(DecibelLevel(displayed.Value(j), reference, floorDb) - floorDb);
    list.AddNumber(-floorDb);
    list.AddLineOf(displayed, n + 2);
    return list;
}

double LargestHeld(const HeldSpectrum& held, const SpectrumAxis& axis, bool whole) {
    const double last = axis.firstHertz + (axis.points - 1) * axis.binHertz;
    double largest = 0;
    for (size_t i = 0; i < std::min(held.hertz.size(), held.values.size()); ++i) {
        const bool shown = held.hertz[i] >= axis.firstHertz && held.hertz[i] <= last;
        if ((whole || shown) && std::fabs(held.values[i]) > largest)
            largest = std::fabs(held.values[i]);
    }
    return largest;
}

DataList WithScaleMaximum(const DataList& displayed, double M) {
    const int n = displayed.Whole(0);
    DataList list;
    list.Reserve(n + 3);
    for (int line = 0; line <= n; ++line) list.AddLineOf(displayed, line);
    list.AddNumber(M);
    list.AddLineOf(displayed, n + 2);
    return list;
}

double ClampedY(double height, double y0, double ytop, double M, double H) {
    const double y = M != 0 ? y0 - height / M * (y0 - ytop) : y0;
    return std::clamp(y, 0.0, H);
}

void DrawDecibelScale(Surface& pic, double y0, double ytop, double floorDb) {
    if (!(floorDb < 0)) return;
    // A label every 1, 2 or 5 times a power of ten decibels, at most five below 0 dB.
    double step = std::pow(10, std::floor(std::log10(-floorDb / 5)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (-floorDb / (m * step) <= 5) {
            step *= m;
            break;
        }
    pic.SetFontName("Arial");
    pic.SetFontSize(7);
    pic.SetFontBold(false);
    for (double db = 0; db >= floorDb - 1e-9; db -= step) {
        const double y = y0 - (db - floorDb) / -floorDb * (y0 - ytop);
        pic.Line(0, y, 80, y, colors::kBlack);
        pic.SetCurrentX(110);
        pic.SetCurrentY(y - pic.TextHeight() / 2);
        pic.PrintText(NumberText(db) + " dB", true);
    }
}

void DrawTraceLegend(Surface& pic, const std::vector<std::pair<Color, std::string>>& entries) {
    pic.SetFontName("Arial");
    pic.SetFontSize(7);
    pic.SetFontBold(false);
    // Under the graph's title, clear of the decibel labels at the left edge.
    const double left = 1200;
    double y = 330;
    for (const auto& [color, words] : entries) {
        const double middle = y + pic.TextHeight() / 2;
        pic.Line(left, middle, left + 300, middle, color);
        pic.Line(left, middle + 15, left + 300, middle + 15, color);
        pic.SetCurrentX(left + 390);
        pic.SetCurrentY(y);
        pic.PrintText(words, true);
        y += pic.TextHeight();
    }
}

}  // namespace quorbel
