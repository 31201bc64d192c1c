// The processing chain's pieces against their closed forms: the double-precision FFT
// against a direct sum, the apodization windows, the phase pivot rule, the filter delay
// table, and peak width and height on a known line.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>

#include "fourier/ComplexFft.h"
#include "nmr/GroupDelay.h"
#include "nmr/NmrPeaks.h"
#include "nmr/NmrProcessing.h"

namespace quorbel::testing {
namespace {

using cd = std::complex<double>;
constexpr double kPi = std::numbers::pi;

class ComplexFftSize : public ::testing::TestWithParam<int> {};

TEST_P(ComplexFftSize, MatchesTheDirectSumInBothDirections) {
    const int n = GetParam();
    std::mt19937 random(static_cast<unsigned>(n));
    std::uniform_real_distribution<double> uniform(-1, 1);
    std::vector<cd> x(static_cast<std::size_t>(n));
    for (cd& v : x) v = {uniform(random), uniform(random)};
    for (const int sign : {-1, +1}) {
        std::vector<cd> fast = x;
        ComplexFft(fast.data(), n, sign);
        double worst = 0;
        for (int k = 0; k < n; ++k) {
            cd sum = 0;
            for (int j = 0; j < n; ++j) sum += x[j] * std::polar(1.0, sign * 2 * kPi * j * k / n);
            worst = std::max(worst, std::abs(sum - fast[static_cast<std::size_t>(k)]));
        }
        EXPECT_LT(worst, 1e-13 * n) << "sign " << sign;
    }
}

INSTANTIATE_TEST_SUITE_P(PowersOfTwo, ComplexFftSize,
                         ::testing::Values(2, 4, 8, 16, 32, 64, 128, 512, 2048, 4096));

struct WindowCase {
    nmr::Window window;
    double lb, gb;
};

class Apodization : public ::testing::TestWithParam<WindowCase> {};

TEST_P(Apodization, FollowsTheClosedForm) {
    const WindowCase c = GetParam();
    nmr::Processing p;
    p.window = c.window;
    p.lb = c.lb;
    p.gb = c.gb;
    const double sw = 5000;
    const int points = 4096;
    const double aq = points / sw;
    for (const int n : {0, 1, 100, 1000, 2048, 4095}) {
        const double t = n / sw;
        const double a = kPi * c.lb;
        double expected = std::exp(-a * t);
        if (c.window == nmr::Window::gaussian)
            expected = std::exp(-a * t + a / (2 * c.gb * aq) * t * t);
        EXPECT_NEAR(nmr::ApodizationWeight(p, sw, points, n), expected, 1e-12 * expected) << n;
    }
    if (c.window == nmr::Window::gaussian) {
        // The Gaussian peaks at GB * AQ.
        const int top = static_cast<int>(std::lround(c.gb * aq * sw));
        EXPECT_GE(nmr::ApodizationWeight(p, sw, points, top),
                  nmr::ApodizationWeight(p, sw, points, top + 20));
        EXPECT_GE(nmr::ApodizationWeight(p, sw, points, top),
                  nmr::ApodizationWeight(p, sw, points, top - 20));
    }
    // The spectrum made with the window is the transform of the weighted FID.
    nmr::Fid fid;
    fid.sweepHz = sw;
    fid.points.assign(points, cd{1, 0});
    p.size = points;
    p.sf = 500;
    const nmr::Spectrum s = nmr::Process(fid, p);
    double sum = 0;
    for (int n = 0; n < points; ++n) sum += nmr::ApodizationWeight(p, sw, points, n);
    // All of a constant FID lands on 0 Hz, the middle point after the shift.
    EXPECT_NEAR(std::abs(s.points[points / 2]), sum, 1e-9 * sum);
}

INSTANTIATE_TEST_SUITE_P(Windows, Apodization,
                         ::testing::Values(WindowCase{nmr::Window::exponential, 0.3, 0},
                                           WindowCase{nmr::Window::exponential, 5, 0},
                                           WindowCase{nmr::Window::exponential, -1, 0},
                                           WindowCase{nmr::Window::gaussian, -1, 0.3},
                                           WindowCase{nmr::Window::gaussian, -3, 0.1},
                                           WindowCase{nmr::Window::gaussian, -0.5, 0.5}));

TEST(NmrPhase, PivotStaysPutWhenPhaseOneTurns) {
    const int size = 1024;
    for (const double pivot : {0.0, 100.0, 512.0, 1000.0}) {
        for (const double delta : {-90.0, 30.0, 400.0}) {
            const double phc0 = nmr::PhaseZeroForPivot(20, delta, pivot, size);
            const double before = 20 + 50 * pivot / size;
            const double after = phc0 + (50 + delta) * pivot / size;
            EXPECT_NEAR(after, before, 1e-9);
        }
    }
    std::vector<cd> points(size, cd{1, 0});
    nmr::RotatePhase(points, 30, 360);
    for (const int k : {0, 1, 63, 64, 65, 500, 1023})
        EXPECT_NEAR(std::arg(points[k]),
                    std::remainder((30 + 360.0 * k / size) * kPi / 180, 2 * kPi), 1e-12);
}

TEST(NmrGroupDelay, TableGivesThePublishedDelays) {
    EXPECT_DOUBLE_EQ(*nmr::TableGroupDelay(10, 24), 61.020833);
    EXPECT_DOUBLE_EQ(*nmr::TableGroupDelay(10, 2048), 70.492431640625);
    EXPECT_DOUBLE_EQ(*nmr::TableGroupDelay(11, 2), 46);
    EXPECT_DOUBLE_EQ(*nmr::TableGroupDelay(12, 16), 71.625);
    EXPECT_DOUBLE_EQ(*nmr::TableGroupDelay(13, 96), 2.994792);
    EXPECT_FALSE(nmr::TableGroupDelay(13, 128));
    EXPECT_FALSE(nmr::TableGroupDelay(14, 24));
    EXPECT_FALSE(nmr::TableGroupDelay(10, 5));
}

// A Lorentzian line: a FID decaying with T2 = `t2` at `hz` from the carrier.
nmr::Fid Line(double hz, double t2, int points, double sw) {
    nmr::Fid fid;
    fid.sweepHz = sw;
    for (int n = 0; n < points; ++n) {
        const double t = n / sw;
        fid.points.push_back(std::polar(std::exp(-t / t2), 2 * kPi * hz * t));
    }
    fid.points[0] *= 0.5;
    return fid;
}

TEST(NmrPeaks, ALorentzianIsFoundWithItsWidth) {
    for (const double t2 : {0.05, 0.2, 0.5}) {
        const nmr::Fid fid = Line(250, t2, 16384, 2000);
        nmr::Processing p;
        p.size = 65536;
        p.sf = 400;
        p.offsetPpm = 2.5;  // 1000 Hz at the first point
        const nmr::Spectrum s = nmr::Process(fid, p);
        const std::vector<nmr::Peak> peaks = nmr::PickPeaks(s, 0.5, 4);
        ASSERT_EQ(peaks.size(), 1u) << t2;
        EXPECT_NEAR(peaks[0].hz, 250, 2000.0 / 65536) << t2;
        const double fwhmHz = nmr::WidthAtHalfHeight(s, peaks[0].index) * s.sf;
        EXPECT_NEAR(fwhmHz, 1 / (kPi * t2), 0.02 / (kPi * t2) + 0.05) << t2;
    }
}

}  // namespace
}  // namespace quorbel::testing
