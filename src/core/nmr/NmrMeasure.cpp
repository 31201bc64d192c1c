#include "nmr/NmrMeasure.h"

#include <algorithm>
#include <cmath>

namespace quorbel::nmr {

namespace {

bool Inside(const Spectrum& s, const std::vector<PpmRange>& regions, int k) {
    const double ppm = s.Ppm(k);
    for (const auto& [a, b] : regions)
        if (ppm >= std::min(a, b) && ppm <= std::max(a, b)) return true;
    return false;
}

// Solves the normal equations (n x n, row-major, augmented) by Gaussian elimination with
// partial pivoting; false when singular.
bool Solve(std::vector<double>& m, int n) {
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::abs(m[r * (n + 1) + c]) > std::abs(m[pivot * (n + 1) + c])) pivot = r;
        if (std::abs(m[pivot * (n + 1) + c]) < 1e-300) return false;
        for (int k = 0; k <= n; ++k) std::swap(m[c * (n + 1) + k], m[pivot * (n + 1) + k]);
        for (int r = 0; r < n; ++r) {
            if (r == c) continue;
            const double f = m[r * (n + 1) + c] / m[c * (n + 1) + c];
            for (int k = c; k <= n; ++k) m[r * (n + 1) + k] -= f * m[c * (n + 1) + k];
        }
    }
    for (int r = 0; r < n; ++r) m[r * (n + 1) + n] /= m[r * (n + 1) + r];
    return true;
}

}  // namespace

std::vector<double> PolynomialBaseline(const Spectrum& s, const std::vector<PpmRange>& regions,
                                       int degree) {
    const int size = s.Size();
    std::vector<double> baseline(static_cast<std::size_t>(size), 0.0);
    const int n = std::clamp(degree, 0, 6) + 1;
    // The index scaled to -1 .. 1 keeps the powers of similar size.
    auto u = [size](int k) { return size > 1 ? 2.0 * k / (size - 1) - 1 : 0.0; };
    std::vector<double> m(static_cast<std::size_t>(n * (n + 1)), 0.0);
    int used = 0;
    for (int k = 0; k < size; k += 16) {
        if (Inside(s, regions, k)) continue;
        ++used;
        std::vector<double> powers(static_cast<std::size_t>(n), 1.0);
        for (int i = 1; i < n; ++i) powers[i] = powers[i - 1] * u(k);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) m[r * (n + 1) + c] += powers[r] * powers[c];
            m[r * (n + 1) + n] += powers[r] * s.points[static_cast<std::size_t>(k)].real();
        }
    }
    if (used < 2 * n || !Solve(m, n)) return baseline;
    for (int k = 0; k < size; ++k) {
        double value = 0, power = 1;
        for (int i = 0; i < n; ++i, power *= u(k)) value += m[i * (n + 1) + n] * power;
        baseline[static_cast<std::size_t>(k)] = value;
    }
    return baseline;
}

std::vector<double> Integrals(const Spectrum& s, const std::vector<PpmRange>& regions,
                              const std::vector<double>& baseline) {
    std::vector<double> values;
    for (const auto& [a, b] : regions) {
        const double p1 = s.PointAt(std::max(a, b)), p2 = s.PointAt(std::min(a, b));
        const int first = std::clamp(static_cast<int>(std::ceil(p1)), 0, s.Size());
        const int last = std::clamp(static_cast<int>(std::floor(p2)), -1, s.Size() - 1);
        double sum = 0;
        for (int k = first; k <= last; ++k) {
            sum += s.points[static_cast<std::size_t>(k)].real();
            if (!baseline.empty()) sum -= baseline[static_cast<std::size_t>(k)];
        }
        values.push_back(sum * s.ppmPerPoint);
    }
    return values;
}

std::optional<std::vector<double>> Normalised(const std::vector<double>& integrals,
                                              std::size_t reference, double count) {
    if (reference >= integrals.size() || integrals[reference] == 0 || !std::isfinite(count))
        return std::nullopt;
    std::vector<double> scaled = integrals;
    for (double& v : scaled) v *= count / integrals[reference];
    return scaled;
}

int NearestPeak(const Spectrum& s, double point, int reach) {
    if (s.Size() == 0) return 0;
    const int centre = std::clamp(static_cast<int>(std::lround(point)), 0, s.Size() - 1);
    int best = centre;
    for (int k = std::max(0, centre - reach); k <= std::min(s.Size() - 1, centre + reach); ++k)
        if (s.points[static_cast<std::size_t>(k)].real() >
            s.points[static_cast<std::size_t>(best)].real())
            best = k;
    return best;
}

}  // namespace quorbel::nmr
