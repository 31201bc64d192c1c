#include "nmr/SimulatedFid.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace quorbel::nmr {

namespace {

double Binomial(int n, int k) {
    double c = 1;
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return c;
}

}  // namespace

Fid SimulateFid(const Simulation& s) {
    Fid fid;
    fid.sweepHz = s.sweepHz;
    const int points = std::max(2, s.points);
    fid.points.assign(static_cast<std::size_t>(points), {0.0, 0.0});
    const double twoPi = 2 * std::numbers::pi;
    for (const SimulatedLine& line : s.lines) {
        const int n = std::clamp(line.neighbours, 0, 12);
        const double decay = std::numbers::pi * std::max(line.widthHz, 1e-6);  // 1 / T2
        const double total = std::pow(2.0, n);
        for (int k = 0; k <= n; ++k) {
            const double hz = (line.ppm - s.centrePpm) * s.sf + (k - n / 2.0) * line.couplingHz;
            const double amplitude = line.amplitude * Binomial(n, k) / total;
            // exp((i 2 pi hz - decay) t), advanced point by point.
            const std::complex<double> step =
                std::exp(std::complex<double>(-decay, twoPi * hz) / s.sweepHz);
            std::complex<double> v = amplitude;
            for (int p = 0; p < points; ++p) {
                if (p % 256 == 0)
                    v = amplitude *
                        std::exp(std::complex<double>(-decay, twoPi * hz) * (p / s.sweepHz));
                fid.points[static_cast<std::size_t>(p)] += v;
                v *= step;
            }
        }
    }
    if (s.noise > 0) {
        std::mt19937 random(s.seed);
        std::normal_distribution<double> gauss(0, s.noise);
        for (std::complex<double>& v : fid.points)
            v += std::complex<double>(gauss(random), gauss(random));
    }
    fid.points[0] *= 0.5;
    Processing& p = fid.stored;
    p.size = 1;
    while (p.size < 2 * points && p.size < kMaxSpectrumSize) p.size *= 2;
    p.window = Window::none;
    p.lb = 0.3;
    p.sf = s.sf;
    p.offsetPpm = s.centrePpm + s.sweepHz / 2 / s.sf;
    return fid;
}

Simulation EthanolExample() {
    Simulation s;
    s.lines = {{1.22, 3, 1.0, 2, 7.0},
               {3.69, 2, 1.0, 3, 7.0},
               {2.61, 1, 1.5, 0, 0.0},
               {0.0, 0.3, 0.8, 0, 0.0},
               {7.26, 0.2, 0.8, 0, 0.0}};
    s.sweepHz = 4800;
    s.sf = 400;
    s.centrePpm = 5;
    s.points = 16384;
    s.noise = 0.002;
    return s;
}

}  // namespace quorbel::nmr
