#include "nmr/NmrPeaks.h"

#include <algorithm>
#include <cmath>

namespace quorbel::nmr {

std::vector<Peak> PickPeaks(const Spectrum& spectrum, double fraction, int limit) {
    const std::vector<std::complex<double>>& s = spectrum.points;
    std::vector<Peak> peaks;
    if (s.size() < 3) return peaks;
    double largest = 0;
    for (const std::complex<double>& v : s) largest = std::max(largest, v.real());
    if (!(largest > 0)) return peaks;
    const double threshold = fraction * largest;
    for (std::size_t k = 1; k + 1 < s.size(); ++k) {
        const double y = s[k].real();
        if (y < threshold || !(y > s[k - 1].real()) || y < s[k + 1].real()) continue;
        const double ppm = spectrum.Ppm(static_cast<double>(k));
        peaks.push_back({static_cast<int>(k), ppm, ppm * spectrum.sf, y});
    }
    std::stable_sort(peaks.begin(), peaks.end(),
                     [](const Peak& a, const Peak& b) { return a.height > b.height; });
    if (limit >= 0 && peaks.size() > static_cast<std::size_t>(limit))
        peaks.resize(static_cast<std::size_t>(limit));
    return peaks;
}

double WidthAtHalfHeight(const Spectrum& spectrum, int index) {
    const std::vector<std::complex<double>>& s = spectrum.points;
    if (index < 0 || index >= spectrum.Size()) return 0;
    const double half = s[static_cast<std::size_t>(index)].real() / 2;
    if (!(half > 0)) return 0;
    // The fractional point on each side where the real part falls through half height.
    auto side = [&](int direction) -> double {
        for (int k = index; k + direction >= 0 && k + direction < spectrum.Size(); k += direction) {
            const double a = s[static_cast<std::size_t>(k)].real();
            const double b = s[static_cast<std::size_t>(k + direction)].real();
            if (b <= half) return k + direction * (a - half) / (a - b);
        }
        return std::nan("");
    };
    const double left = side(-1);
    const double right = side(+1);
    if (std::isnan(left) || std::isnan(right)) return 0;
    return (right - left) * spectrum.ppmPerPoint;
}

double SignalToNoise(const Spectrum& spectrum, int peak, int first, int last) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, spectrum.Size() - 1);
    if (last - first + 1 < 8 || peak < 0 || peak >= spectrum.Size()) return 0;
    double sum = 0;
    for (int k = first; k <= last; ++k) sum += spectrum.points[static_cast<std::size_t>(k)].real();
    const double mean = sum / (last - first + 1);
    double squares = 0;
    for (int k = first; k <= last; ++k) {
        const double d = spectrum.points[static_cast<std::size_t>(k)].real() - mean;
        squares += d * d;
    }
    const double sigma = std::sqrt(squares / (last - first));
    if (!(sigma > 0)) return 0;
    return spectrum.points[static_cast<std::size_t>(peak)].real() / sigma;
}

}  // namespace quorbel::nmr
