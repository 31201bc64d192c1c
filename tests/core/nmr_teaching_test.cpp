// What a student is to see in a simulation: T2 sets the width (FWHM = 1/(pi T2)), LB
// trades noise for width, a truncated FID rings and zero filling interpolates, a line
// beyond the spectral width wraps round; and the typed lines and acquisition, checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "nmr/NmrPeaks.h"
#include "nmr/SimulatedLines.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

// One line in a spectrum of 0 .. 10 ppm (4000 Hz at 400 MHz about 5 ppm).
nmr::Simulation Single(double ppm, double widthHz, int points = 32768, double noise = 0) {
    nmr::Simulation s;
    s.lines = {{ppm, 1.0, widthHz, 0, 0.0}};
    s.sweepHz = 4000;
    s.sf = 400;
    s.centrePpm = 5;
    s.points = points;
    s.noise = noise;
    return s;
}

nmr::Spectrum Processed(const nmr::Fid& fid, nmr::Window window = nmr::Window::none, double lb = 0,
                        int size = 0) {
    nmr::Processing p = fid.stored;
    p.window = window;
    p.lb = lb;
    if (size) p.size = size;
    return nmr::Process(fid, p);
}

double WidthHz(const nmr::Spectrum& s) {
    const nmr::Peak top = nmr::PickPeaks(s, 0.5, 1).at(0);
    return nmr::WidthAtHalfHeight(s, top.index) * s.sf;
}

TEST(NmrTeaching, TheWidthAtHalfHeightIsOneOverPiT2) {
    for (const double t2 : {0.02, 0.05, 0.1, 0.2, 0.5, 1.0}) {
        const nmr::Fid fid = nmr::SimulateFid(Single(3.0, nmr::WidthOfT2(t2)));
        EXPECT_EQ(fid.stored.window, nmr::Window::none);
        const double expected = 1 / (std::numbers::pi * t2);
        EXPECT_NEAR(WidthHz(Processed(fid)), expected, 0.01 * expected + 0.01) << "T2 " << t2;
    }
    for (const double width : {0.1, 1.0, 3.0, 25.0})
        EXPECT_NEAR(nmr::WidthOfT2(nmr::T2OfWidth(width)), width, 1e-12);
}

TEST(NmrTeaching, LineBroadeningTradesWidthForSignalToNoise) {
    // A line 1 Hz wide in noise: up to LB = the line's own width (the matched filter)
    // every hertz of broadening buys signal to noise; beyond it the line only widens.
    const nmr::Fid fid = nmr::SimulateFid(Single(3.0, 1.0, 16384, 0.02));
    std::vector<double> sns;
    double lastWidth = 0;
    for (const double lb : {0.0, 0.25, 0.5, 1.0, 2.0, 5.0}) {
        const nmr::Spectrum s = Processed(fid, nmr::Window::exponential, lb);
        const nmr::Peak top = nmr::PickPeaks(s, 0.5, 1).at(0);
        sns.push_back(nmr::SignalToNoise(s, top.index, static_cast<int>(s.PointAt(9.5)),
                                         static_cast<int>(s.PointAt(7.0))));
        // An exponential window adds LB to a Lorentzian line's width.
        EXPECT_NEAR(WidthHz(s), 1.0 + lb, 0.05 * (1.0 + lb)) << "LB " << lb;
        EXPECT_GT(WidthHz(s), lastWidth) << "LB " << lb;
        lastWidth = WidthHz(s);
    }
    // Theory: S/N grows 2 times with LB a quarter of the width, 2.5 times with the
    // matched window; near the optimum it changes slowly, and the noise of one
    // realisation decides the last few per cent.
    EXPECT_NEAR(sns[1] / sns[0], 2.0, 0.3);
    EXPECT_NEAR(sns[3] / sns[0], 2.5, 0.4);
    EXPECT_LT(sns[5], sns[3]);
}

TEST(NmrTeaching, ATruncatedFidRingsAndZeroFillingInterpolates) {
    // 256 points at 4000 Hz: 64 ms of a line that lives for a second.
    const nmr::Fid fid = nmr::SimulateFid(Single(3.0, 0.3, 256));
    const auto lowest = [](const nmr::Spectrum& s) {
        double top = 0, low = 0;
        for (const auto& v : s.points) top = std::max(top, v.real()), low = std::min(low, v.real());
        return low / top;
    };
    for (const int size : {512, 2048, 8192}) {
        // The sinc wiggles dip below zero by a fifth of the peak.
        EXPECT_LT(lowest(Processed(fid, nmr::Window::none, 0, size)), -0.05) << size;
        // A window that takes the FID to zero by its end calms them.
        EXPECT_GT(lowest(Processed(fid, nmr::Window::exponential, 60, size)), -0.02) << size;
    }
    // Zero filling adds points between the old ones: every 16th point of the longer
    // spectrum is a point of the shorter.
    const nmr::Spectrum coarse = Processed(fid, nmr::Window::none, 0, 512);
    const nmr::Spectrum fine = Processed(fid, nmr::Window::none, 0, 8192);
    for (int k = 0; k < coarse.Size(); k += 7) {
        const auto a = coarse.points[static_cast<std::size_t>(k)];
        const auto b = fine.points[static_cast<std::size_t>(16 * k)];
        EXPECT_NEAR(std::abs(a - b), 0, 1e-9 * (1 + std::abs(a))) << k;
        EXPECT_NEAR(coarse.Ppm(k), fine.Ppm(16 * k), 1e-12);
    }
}

TEST(NmrTeaching, ALineOutsideTheSpectralWidthWrapsToTheOppositeEdge) {
    struct Case {
        double ppm, shown;
    };
    const Case cases[] = {{10.5, 0.5}, {11.2, 1.2}, {13.0, 3.0}, {-0.7, 9.3}, {-2.0, 8.0},
                          {-9.0, 1.0}, {25.0, 5.0}, {9.5, 9.5},  {0.5, 0.5}};
    for (const Case& c : cases) {
        const nmr::Fid fid = nmr::SimulateFid(Single(c.ppm, 1.0));
        const nmr::Spectrum s = Processed(fid);
        EXPECT_NEAR(nmr::PickPeaks(s, 0.5, 1).at(0).ppm, c.shown, 0.001) << c.ppm;
    }
}

TEST(NmrTeaching, AMultipletHasBinomialLinesJApartAboutItsShift) {
    for (int n = 0; n <= 6; ++n) {
        nmr::Simulation sim = Single(2.0, 0.5);
        sim.lines[0].neighbours = n;
        sim.lines[0].couplingHz = 7.0;
        const nmr::Fid fid = nmr::SimulateFid(sim);
        // Zero filled far enough that each line's top falls on a point.
        std::vector<nmr::Peak> peaks =
            nmr::PickPeaks(Processed(fid, nmr::Window::none, 0, 262144), 0.01, 20);
        ASSERT_EQ(peaks.size(), static_cast<std::size_t>(n + 1)) << n;
        std::sort(peaks.begin(), peaks.end(), [](auto& a, auto& b) { return a.hz < b.hz; });
        double binomial = 1, sum = 0;
        for (int k = 0; k <= n; ++k) {
            EXPECT_NEAR(peaks[k].hz, 2.0 * 400 + (k - n / 2.0) * 7.0, 0.1) << n << " line " << k;
            // The tails of the neighbours' lines lift each line a little.
            EXPECT_NEAR(peaks[k].height / peaks[0].height, binomial, 0.025 * binomial) << n;
            sum += peaks[k].height;
            binomial = binomial * (n - k) / (k + 1);
        }
        // The multiplet is symmetric about its shift.
        EXPECT_NEAR(peaks[0].height, peaks[n].height, 0.005 * peaks[0].height) << n;
        EXPECT_GT(sum, 0);
    }
}

TEST(NmrTeaching, MultipletsAreNamedOrCounted) {
    struct Case {
        const char* typed;
        int neighbours;  // -1: refused
    };
    const Case cases[] = {{"", 0},      {"s", 0},   {"d", 1},    {"T", 2},    {" q ", 3},
                          {"quint", 4}, {"p", 4},   {"sext", 5}, {"sept", 6}, {"1", 0},
                          {"4", 3},     {"13", 12}, {"14", -1},  {"0", -1},   {"2.5", -1},
                          {"dd", -1},   {"x", -1},  {"-3", -1},  {"1e1", 9},  {"nan", -1}};
    for (const Case& c : cases) {
        const std::optional<int> n = nmr::NeighboursOf(c.typed);
        EXPECT_EQ(n.value_or(-1), c.neighbours) << c.typed;
        if (n) {
            EXPECT_EQ(nmr::NeighboursOf(nmr::MultipletName(*n)), n) << c.typed;
        }
    }
}

TEST(NmrTeaching, TypedLinesAreReadOrRefusedWithAMessage) {
    struct Case {
        nmr::TypedLine typed;
        const char* refusal;  // what the message names, or "" when read
    };
    const Case cases[] = {
        {{"1.22", "3", "1", "t", "7", false}, ""},
        {{"3.69", "2", "0.2", "q", "7", true}, ""},
        {{"2.61", "1", "1.5", "s", "", false}, ""},
        {{" -0.5 ", "0.3", "0.8", "", "junk", false}, ""},
        {{"", "1", "1", "s", "", false}, "δ (ppm)"},
        {{"abc", "1", "1", "s", "", false}, "δ (ppm)"},
        {{"1e9", "1", "1", "s", "", false}, "δ (ppm)"},
        {{"1", "0", "1", "s", "", false}, "Amplitude"},
        {{"1", "-2", "1", "s", "", false}, "Amplitude"},
        {{"1", "1", "0", "s", "", false}, "Line width (Hz)"},
        {{"1", "1", "inf", "s", "", false}, "Line width (Hz)"},
        {{"1", "1", "0", "s", "", true}, "T2 (s)"},
        {{"1", "1", "500", "s", "", true}, "T2 (s)"},
        {{"1", "1", "1", "w", "7", false}, "multiplet"},
        {{"1", "1", "1", "d", "", false}, "J (Hz)"},
        {{"1", "1", "1", "d", "-7", false}, "J (Hz)"},
    };
    for (const Case& c : cases) {
        const nmr::LineRead read = nmr::ReadLine(c.typed);
        if (!*c.refusal) {
            ASSERT_TRUE(read.line) << c.typed.ppm << ": " << read.error;
            EXPECT_TRUE(read.error.empty());
            // Shown back in the boxes, it reads as the same line.
            const nmr::LineRead again = nmr::ReadLine(nmr::TypedOf(*read.line));
            ASSERT_TRUE(again.line) << again.error;
            EXPECT_NEAR(again.line->widthHz, read.line->widthHz, 1e-5 * read.line->widthHz);
            EXPECT_EQ(again.line->neighbours, read.line->neighbours);
            EXPECT_EQ(nmr::LineRow(*again.line), nmr::LineRow(*read.line));
        } else {
            EXPECT_FALSE(read.line) << c.typed.ppm;
            EXPECT_NE(read.error.find(c.refusal), std::string::npos) << read.error;
            EXPECT_EQ(read.error.find('\n'), std::string::npos);
        }
    }
    const nmr::LineRead t2 = nmr::ReadLine({"3.69", "2", "0.2", "q", "7", true});
    EXPECT_NEAR(t2.line->widthHz, 1 / (std::numbers::pi * 0.2), 1e-12);
    EXPECT_EQ(nmr::LineRow(*t2.line), "3.69 ppm, amplitude 2, T2 0.2 s, q, J 7 Hz");
    EXPECT_EQ(nmr::LineRow(*nmr::ReadLine({"2.61", "1", "1.5", "s", "", false}).line),
              "2.61 ppm, amplitude 1, 1.5 Hz wide, s");
}

TEST(NmrTeaching, TheAcquisitionIsReadOrLeftAlone) {
    struct Case {
        nmr::TypedAcquisition typed;
        bool read;
    };
    const Case cases[] = {{{"0", "16384", "4800"}, true},    {{"0.01", "16", "100"}, true},
                          {{"5", "262144", "200000"}, true}, {{"-1", "1024", "4000"}, false},
                          {{"x", "1024", "4000"}, false},    {{"0", "15", "4000"}, false},
                          {{"0", "1024.5", "4000"}, false},  {{"0", "300000", "4000"}, false},
                          {{"0", "1024", "99"}, false},      {{"0", "1024", ""}, false}};
    for (const Case& c : cases) {
        nmr::Simulation s = nmr::EthanolExample();
        const std::optional<std::string> why = nmr::ReadAcquisition(c.typed, s);
        EXPECT_EQ(!why, c.read) << c.typed.points << " " << why.value_or("");
        if (c.read) {
            EXPECT_EQ(nmr::TypedOf(s).points, c.typed.points);
            EXPECT_EQ(ParseNumber(nmr::TypedOf(s).sweepHz), ParseNumber(c.typed.sweepHz));
        } else {
            EXPECT_EQ(s.points, nmr::EthanolExample().points);
            EXPECT_EQ(s.sweepHz, nmr::EthanolExample().sweepHz);
            EXPECT_EQ(s.noise, nmr::EthanolExample().noise);
        }
    }
}

}  // namespace
}  // namespace quorbel::testing
