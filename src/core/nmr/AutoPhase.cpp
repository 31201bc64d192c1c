#include "nmr/AutoPhase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quorbel::nmr {

namespace {

// The search runs on the spectrum summed in boxes of neighbouring points down to at most
// this many: the phase changes little across a box, the sum keeps each line's phase, and
// each trial costs a fraction of the whole.
constexpr std::size_t kCoarsePoints = 8192;
constexpr std::size_t kFinePoints = 65536;
// Weight of the negative values against the entropy.
constexpr double kNegativePenalty = 1.0;

std::vector<std::complex<double>> Boxed(const std::vector<std::complex<double>>& points,
                                        std::size_t most) {
    const std::size_t box = std::max<std::size_t>(1, points.size() / most);
    std::vector<std::complex<double>> boxed(points.size() / box);
    for (std::size_t b = 0; b < boxed.size(); ++b) {
        std::complex<double> sum = 0;
        for (std::size_t k = 0; k < box; ++k) sum += points[b * box + k];
        boxed[b] = sum;
    }
    return boxed;
}

using Vertex = std::array<double, 2>;

// Nelder-Mead over (phc0, phc1) from `start`, with simplex steps `step` degrees.
Vertex Minimise(const std::vector<std::complex<double>>& points, Vertex start, double step,
                int iterations) {
    auto cost = [&](const Vertex& v) { return PhaseCost(points, v[0], v[1]); };
    std::array<Vertex, 3> x = {start, Vertex{start[0] + step, start[1]},
                               Vertex{start[0], start[1] + 4 * step}};
    std::array<double, 3> f = {cost(x[0]), cost(x[1]), cost(x[2])};
    for (int it = 0; it < iterations; ++it) {
        std::array<int, 3> order = {0, 1, 2};
        std::sort(order.begin(), order.end(), [&](int a, int b) { return f[a] < f[b]; });
        const int best = order[0], middle = order[1], worst = order[2];
        const Vertex c = {(x[best][0] + x[middle][0]) / 2, (x[best][1] + x[middle][1]) / 2};
        auto along = [&](double t) {
            return Vertex{c[0] + t * (x[worst][0] - c[0]), c[1] + t * (x[worst][1] - c[1])};
        };
        const Vertex reflected = along(-1);
        const double fr = cost(reflected);
        if (fr < f[best]) {
            const Vertex expanded = along(-2);
            const double fe = cost(expanded);
            x[worst] = fe < fr ? expanded : reflected;
            f[worst] = std::min(fe, fr);
        } else if (fr < f[middle]) {
            x[worst] = reflected;
            f[worst] = fr;
        } else {
            const Vertex contracted = along(0.5);
            const double fc = cost(contracted);
            if (fc < f[worst]) {
                x[worst] = contracted;
                f[worst] = fc;
            } else {
                for (const int i : {middle, worst}) {
                    x[i] = {(x[i][0] + x[best][0]) / 2, (x[i][1] + x[best][1]) / 2};
                    f[i] = cost(x[i]);
                }
            }
        }
        const double spread = std::abs(x[0][0] - x[1][0]) + std::abs(x[0][0] - x[2][0]) +
                              std::abs(x[0][1] - x[1][1]) + std::abs(x[0][1] - x[2][1]);
        if (spread < 1e-3) break;
    }
    return x[static_cast<std::size_t>(std::min_element(f.begin(), f.end()) - f.begin())];
}

double Wrapped(double degrees) {
    double d = std::fmod(degrees + 180, 360);
    if (d < 0) d += 360;
    return d - 180;
}

}  // namespace

double PhaseCost(const std::vector<std::complex<double>>& points, double phc0, double phc1) {
    const std::size_t n = points.size();
    if (n < 3) return 0;
    constexpr double kDegree = std::numbers::pi / 180;
    const std::complex<double> rotation = std::polar(1.0, phc1 * kDegree / static_cast<double>(n));
    double sumD = 0, sumDLogD = 0, negative = 0, all = 0, previous = 0;
    std::complex<double> factor;
    for (std::size_t k = 0; k < n; ++k) {
        if (k % 64 == 0)
            factor = std::polar(1.0, (phc0 + phc1 * k / static_cast<double>(n)) * kDegree);
        const double r = points[k].real() * factor.real() - points[k].imag() * factor.imag();
        factor *= rotation;
        all += r * r;
        if (r < 0) negative += r * r;
        if (k > 0) {
            const double d = std::abs(r - previous);
            if (d > 0) {
                sumD += d;
                sumDLogD += d * std::log(d);
            }
        }
        previous = r;
    }
    if (!(sumD > 0) || !(all > 0)) return 0;
    // -sum h ln h with h = d / D is ln D - (sum d ln d) / D.
    const double entropy = std::log(sumD) - sumDLogD / sumD;
    return entropy + kNegativePenalty * negative / all;
}

Phases AutoPhasePoints(const std::vector<std::complex<double>>& points) {
    if (points.size() < 16) return {};
    const std::vector<std::complex<double>> coarse = Boxed(points, kCoarsePoints);
    // A grid first, since the criterion has local minima half a turn apart, then the
    // simplex from the best few points of the grid.
    std::vector<std::pair<double, Vertex>> grid;
    for (double phc0 = -180; phc0 < 180; phc0 += 15)
        for (double phc1 = -180; phc1 <= 180; phc1 += 45)
            grid.push_back({PhaseCost(coarse, phc0, phc1), Vertex{phc0, phc1}});
    std::partial_sort(grid.begin(), grid.begin() + 4, grid.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
    Vertex best = grid[0].second;
    double bestCost = grid[0].first;
    for (std::size_t i = 0; i < 4; ++i) {
        const Vertex v = Minimise(coarse, grid[i].second, 10, 200);
        const double c = PhaseCost(coarse, v[0], v[1]);
        if (c < bestCost) {
            bestCost = c;
            best = v;
        }
    }
    const std::vector<std::complex<double>> fine = Boxed(points, kFinePoints);
    best = Minimise(fine, best, 2, 200);
    return {Wrapped(best[0]), best[1]};
}

Phases AutoPhase(const Fid& fid, const Processing& p) {
    Processing unphased = p;
    unphased.phc0 = 0;
    unphased.phc1 = 0;
    return AutoPhasePoints(Process(fid, unphased).points);
}

}  // namespace quorbel::nmr
