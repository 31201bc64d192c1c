#include "sound/LivePeak.h"

#include <cmath>

#include "music/NoteName.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {

std::optional<double> StrongestPeakHertz(const std::vector<double>& magnitudes, double binHz) {
    if (!(binHz > 0) || magnitudes.size() < 2) return std::nullopt;
    std::size_t best = 0;
    double largest = 0;
    for (std::size_t i = 1; i < magnitudes.size(); ++i) {
        if (magnitudes[i] > largest) {
            largest = magnitudes[i];
            best = i;
        }
    }
    if (best == 0) return std::nullopt;
    double offset = 0;
    if (best + 1 < magnitudes.size()) {
        const double a = magnitudes[best - 1], b = magnitudes[best], c = magnitudes[best + 1];
        const double bend = a - 2 * b + c;
        // The vertex of the parabola lies within half a bin of the largest one.
        if (bend < 0) offset = 0.5 * (a - c) / bend;
    }
    return (static_cast<double>(best) + offset) * binHz;
}

std::string StrongestPeakText(std::optional<double> hertz) {
    if (!hertz) return Translate("Form1", "Strongest peak: none (silence)");
    const double tenths = std::round(*hertz * 10) / 10;
    return FillIn(Translate("Form1", "Strongest peak: %1"),
                  {WithNoteName(NumberText(tenths) + " Hz", *hertz)});
}

}  // namespace quorbel
