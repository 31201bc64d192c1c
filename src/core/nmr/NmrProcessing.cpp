#include "nmr/NmrProcessing.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

#include "fourier/ComplexFft.h"
#include "platform/Translation.h"

namespace quorbel::nmr {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// Exponents are kept within the range of double: a weight beyond it would be inf or 0
// and turn the whole spectrum into NaN.
constexpr double kLargestExponent = 700;

// Multiplies point k by exp(i (start + k step)) radians. The factor comes from cos and sin
// every kExact points and is rotated by exp(i step) in between, so that rounding never
// accumulates over more than a few dozen products.
void RotateLinear(std::complex<double>* points, int count, double start, double step) {
    constexpr int kExact = 64;
    const std::complex<double> rotation = std::polar(1.0, step);
    for (int block = 0; block < count; block += kExact) {
        std::complex<double> factor = std::polar(1.0, start + block * step);
        const int end = std::min(count, block + kExact);
        for (int k = block; k < end; ++k) {
            points[k] *= factor;
            factor *= rotation;
        }
    }
}

}  // namespace

std::optional<std::string> ProcessingError(const Processing& p) {
    if (p.size < 16 || p.size > kMaxSpectrumSize ||
        !std::has_single_bit(static_cast<unsigned>(p.size)))
        return Translate("Messages", "The size SI must be a power of two from 16 to 4194304.");
    if (!(p.sf > 0) || !std::isfinite(p.sf) || !std::isfinite(p.offsetPpm))
        return Translate("Messages", "The spectrometer frequency SF must be a positive number.");
    if (!std::isfinite(p.lb) || !std::isfinite(p.gb) || !std::isfinite(p.phc0) ||
        !std::isfinite(p.phc1) || std::abs(p.lb) > 1e6 || std::abs(p.phc0) > 1e6 ||
        std::abs(p.phc1) > 1e6)
        return Translate("Messages", "LB, GB, PHC0 and PHC1 must be numbers of sensible size.");
    if (p.window == Window::gaussian && !(p.gb > 0 && p.gb <= 1))
        return Translate("Messages", "The Gaussian window needs GB between 0 and 1.");
    return std::nullopt;
}

double ApodizationWeight(const Processing& p, double sweepHz, int points, int n) {
    const double t = n / sweepHz;
    const double a = std::numbers::pi * p.lb;
    double exponent = 0;
    if (p.window == Window::exponential) {
        exponent = -a * t;
    } else if (p.window == Window::gaussian) {
        const double aq = points / sweepHz;
        const double b = -a / (2 * p.gb * aq);
        exponent = -a * t - b * t * t;
    }
    return std::exp(std::clamp(exponent, -kLargestExponent, kLargestExponent));
}

void RotatePhase(std::vector<std::complex<double>>& points, double phc0, double phc1) {
    const int size = static_cast<int>(points.size());
    if (size == 0) return;
    RotateLinear(points.data(), size, phc0 * kRadiansPerDegree, phc1 * kRadiansPerDegree / size);
}

double PhaseZeroForPivot(double phc0, double delta, double pivot, int size) {
    return phc0 - delta * pivot / size;
}

void ProcessInto(const Fid& fid, const Processing& p, Spectrum& out) {
    const int size = p.size;
    const int points = static_cast<int>(fid.points.size());
    const int used = std::min(points, size);
    out.points.assign(static_cast<std::size_t>(size), {0.0, 0.0});
    std::complex<double>* data = out.points.data();
    // Steps 1-3: the conjugate, weighted. The exponential window is a geometric series,
    // rotated like the phase: exact every 64 points, a product in between.
    if (p.window == Window::exponential) {
        const double ratio = std::exp(-std::numbers::pi * p.lb / fid.sweepHz);
        for (int block = 0; block < used; block += 64) {
            double w = ApodizationWeight(p, fid.sweepHz, points, block);
            const int end = std::min(used, block + 64);
            for (int n = block; n < end; ++n) {
                data[n] = std::conj(fid.points[n]) * w;
                w *= ratio;
            }
        }
    } else {
        for (int n = 0; n < used; ++n)
            data[n] = std::conj(fid.points[n]) * ApodizationWeight(p, fid.sweepHz, points, n);
    }
    ComplexFft(data, size, -1);
    // The halves exchanged (highest frequency first), and steps 4 and 5 as one linear phase.
    const int half = size / 2;
    std::swap_ranges(data, data + half, data + half);
    const double twoPi = 2 * std::numbers::pi;
    RotateLinear(data, size, p.phc0 * kRadiansPerDegree,
                 (twoPi * fid.groupDelay + p.phc1 * kRadiansPerDegree) / size);
    out.sf = p.sf;
    out.offsetPpm = p.offsetPpm;
    out.ppmPerPoint = fid.sweepHz / (p.sf * size);
}

Spectrum Process(const Fid& fid, const Processing& p) {
    Spectrum spectrum;
    ProcessInto(fid, p, spectrum);
    return spectrum;
}

}  // namespace quorbel::nmr
