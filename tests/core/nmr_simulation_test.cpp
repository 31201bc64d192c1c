// The simulated FID shows what the teaching needs: no offset once the first point is
// halved, a multiplet's lines J apart in binomial ratio, and a line beyond the spectral
// width wrapped round to the opposite edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "nmr/NmrPeaks.h"
#include "nmr/SimulatedFid.h"

namespace quorbel::testing {
namespace {

nmr::Simulation OneLine(double ppm, int neighbours = 0) {
    nmr::Simulation s;
    s.lines = {{ppm, 1.0, 0.5, neighbours, 7.0}};
    s.sweepHz = 4000;
    s.sf = 400;
    s.centrePpm = 5;
    s.points = 32768;
    return s;
}

double Baseline(const nmr::Spectrum& s) {
    return s.points[static_cast<std::size_t>(s.PointAt(9.5))].real();
}

TEST(NmrSimulation, HalvingTheFirstPointLeavesNoOffset) {
    nmr::Fid fid = nmr::SimulateFid(OneLine(2.0));
    fid.stored.window = nmr::Window::none;
    const nmr::Spectrum halved = nmr::Process(fid, fid.stored);
    const double peak = nmr::PickPeaks(halved, 0.5, 1).at(0).height;
    EXPECT_LT(std::abs(Baseline(halved)), 1e-4 * peak);
    fid.points[0] *= 2;  // as acquired without the correction
    EXPECT_NEAR(Baseline(nmr::Process(fid, fid.stored)), 0.5, 1e-3);
}

TEST(NmrSimulation, MultipletsAreBinomialAndJApart) {
    for (const int n : {1, 2, 3}) {
        const nmr::Fid fid = nmr::SimulateFid(OneLine(3.0, n));
        std::vector<nmr::Peak> peaks = nmr::PickPeaks(nmr::Process(fid, fid.stored), 0.05, 10);
        ASSERT_EQ(peaks.size(), static_cast<std::size_t>(n + 1)) << n;
        std::sort(peaks.begin(), peaks.end(), [](auto& a, auto& b) { return a.hz < b.hz; });
        for (int k = 0; k < n; ++k) EXPECT_NEAR(peaks[k + 1].hz - peaks[k].hz, 7.0, 0.15);
        // Outer to inner: 1 : n for the first two lines.
        EXPECT_NEAR(peaks[1].height / peaks[0].height, n, 0.05 * n) << n;
    }
}

TEST(NmrSimulation, ALineBeyondTheWidthWrapsToTheOtherEdge) {
    // The spectrum spans 0 .. 10 ppm (4000 Hz at 400 MHz about 5 ppm); a line at 10.5 ppm
    // lies 0.5 ppm beyond the upper edge and shows 0.5 ppm above the lower one.
    const nmr::Fid fid = nmr::SimulateFid(OneLine(10.5));
    const nmr::Spectrum s = nmr::Process(fid, fid.stored);
    EXPECT_NEAR(nmr::PickPeaks(s, 0.5, 1).at(0).ppm, 10.5 - 4000.0 / 400, 0.002);
}

}  // namespace
}  // namespace quorbel::testing
