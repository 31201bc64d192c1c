// The window functions: their weights against the formulas, the text round trip each
// weight passes through, the windowed samples, and what the windows do to a tone that
// does not fill the window with whole periods (leakage and amplitude).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fourier/TransformDriver.h"
#include "fourier/WindowFunction.h"
#include "state/NumberText.h"

namespace quorbel {
namespace {

// The windows written as sums of cosines, a0 - a1 cos x + a2 cos 2x - ..., with the
// coefficients as published; the code under test spells each formula out by itself.
std::vector<double> Coefficients(WindowFunction window) {
    switch (window) {
        case WindowFunction::Rectangular:
            return {1};
        case WindowFunction::Hann:
            return {0.5, 0.5};
        case WindowFunction::Hamming:
            return {0.54, 0.46};
        case WindowFunction::Blackman:
            return {0.42, 0.5, 0.08};
        case WindowFunction::FlatTop:
            return {0.21557895, 0.41663158, 0.277263158, 0.083578947, 0.006947368};
    }
    return {};
}

double CosineSum(WindowFunction window, int k, int M) {
    const std::vector<double> a = Coefficients(window);
    const double x = 6.28318530717959 * k / M;
    double sum = 0;
    for (size_t j = 0; j < a.size(); ++j)
        sum += (j % 2 == 0 ? 1 : -1) * a[j] * std::cos(static_cast<double>(j) * x);
    return sum;
}

struct ValuesCase {
    const char* name;
    WindowFunction window;
    int M;
};

class WindowValuesTest : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(WindowValuesTest, FollowTheFormulaThroughTheNumberText) {
    const auto [name, window, M] = GetParam();
    const std::vector<double> w = WindowValues(window, M);
    ASSERT_EQ(w.size(), static_cast<size_t>(M));
    for (int k = 0; k < M; ++k) {
        SCOPED_TRACE("k = " + std::to_string(k));
        const double weight = w[static_cast<size_t>(k)];
        // The formula, whatever order the terms are summed in, to the rounding of doubles.
        EXPECT_NEAR(weight, CosineSum(window, k, M), 4e-15);
        // The weight is the value of the text a list would show for it.
        EXPECT_EQ(weight, ParseNumber(NumberText(WindowFormula(window, k, M))).value());
        EXPECT_EQ(ParseNumber(NumberText(weight)).value(), weight);
        // Periodic (DFT-even): symmetric about M/2, not about (M-1)/2.
        if (k > 0) {
            EXPECT_NEAR(weight, w[static_cast<size_t>(M - k)], 1e-14);
        }
    }
    // The largest weight is at the middle of the window, and it is 1 (the flat top's
    // coefficients sum to 1.000000003).
    EXPECT_NEAR(w[static_cast<size_t>(M / 2)], 1.0, 5e-9);
    EXPECT_EQ(*std::max_element(w.begin(), w.end()), w[static_cast<size_t>(M / 2)]);
}

const ValuesCase kValuesCases[] = {
    {"Rectangular_8", WindowFunction::Rectangular, 8},
    {"Hann_8", WindowFunction::Hann, 8},
    {"Hamming_8", WindowFunction::Hamming, 8},
    {"Blackman_8", WindowFunction::Blackman, 8},
    {"FlatTop_8", WindowFunction::FlatTop, 8},
    {"Rectangular_1024", WindowFunction::Rectangular, 1024},
    {"Hann_1024", WindowFunction::Hann, 1024},
    {"Hamming_1024", WindowFunction::Hamming, 1024},
    {"Blackman_1024", WindowFunction::Blackman, 1024},
    {"FlatTop_1024", WindowFunction::FlatTop, 1024},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowValuesTest, ::testing::ValuesIn(kValuesCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Weights at M = 8 that follow from the formulas by hand.
struct PointCase {
    const char* name;
    WindowFunction window;
    int k;
    double expected;
};

class WindowPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(WindowPointTest, HasTheValueWorkedOutByHand) {
    const auto [name, window, k, expected] = GetParam();
    EXPECT_NEAR(WindowValues(window, 8)[static_cast<size_t>(k)], expected, 1e-15);
}

const PointCase kPointCases[] = {
    {"Rectangular_0", WindowFunction::Rectangular, 0, 1},
    {"Hann_0", WindowFunction::Hann, 0, 0},
    {"Hann_2", WindowFunction::Hann, 2, 0.5},  // cos(pi/2) is 0 up to the decimal pi
    {"Hann_4", WindowFunction::Hann, 4, 1},
    {"Hamming_0", WindowFunction::Hamming, 0, 0.08},
    {"Hamming_4", WindowFunction::Hamming, 4, 1},
    {"Blackman_0", WindowFunction::Blackman, 0, 0},
    {"Blackman_2", WindowFunction::Blackman, 2, 0.42 - 0.08},
    {"Blackman_4", WindowFunction::Blackman, 4, 1},
    {"FlatTop_0", WindowFunction::FlatTop, 0, -0.000421051},
    {"FlatTop_4", WindowFunction::FlatTop, 4, 1.000000003},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowPointTest, ::testing::ValuesIn(kPointCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A sine of `cycles` periods over the first M of N samples, in the layout of
// sampleList, each sample as number text.
DataList Tone(double cycles, double amplitude, int N, int M) {
    DataList list;
    list.AddNumber(N);
    double largest = 0;
    for (int k = 0; k < N; ++k) {
        const double f = k < M ? amplitude * std::sin(6.28318530717959 * cycles * k / N) : 0;
        largest = std::max(largest, std::abs(f));
        list.AddNumber(f);
    }
    list.AddNumber(largest);
    return list;
}

struct SamplesCase {
    const char* name;
    WindowFunction window;
    int M;  // samples that carry data, of 1024
};

class WindowedSamplesTest : public ::testing::TestWithParam<SamplesCase> {};

TEST_P(WindowedSamplesTest, WeighTheDataAndKeepTheZerosAndTheHeader) {
    const auto [name, window, M] = GetParam();
    const DataList samples = Tone(30.37, 2.5, 1024, M);
    const DataList windowed = WindowedSamples(samples, M, window);
    ASSERT_EQ(windowed.Count(), samples.Count());
    EXPECT_EQ(windowed.Line(0), "1024");
    EXPECT_EQ(windowed.Line(1025), samples.Line(1025));
    const std::vector<double> w = WindowValues(window, M);
    for (int k = 0; k < 1024; ++k) {
        const std::string expected =
            k < M ? NumberText(samples.Value(k + 1) * w[static_cast<size_t>(k)]) : "0";
        ASSERT_EQ(windowed.Line(k + 1), expected) << "sample " << k;
    }
}

const SamplesCase kSamplesCases[] = {
    {"Rectangular_full", WindowFunction::Rectangular, 1024},
    {"Hann_full", WindowFunction::Hann, 1024},
    {"Hann_halved", WindowFunction::Hann, 512},
    {"FlatTop_quarter", WindowFunction::FlatTop, 256},
    {"Blackman_two", WindowFunction::Blackman, 2},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowedSamplesTest, ::testing::ValuesIn(kSamplesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowedSamplesTest, RectangularLeavesTheListAsItIs) {
    const DataList samples = Tone(30.37, 1, 1024, 1024);
    EXPECT_EQ(WindowedSamples(samples, 1024, WindowFunction::Rectangular), samples);
    EXPECT_EQ(RealSpectrumList(WindowedSamples(samples, 1024, WindowFunction::Rectangular), 512),
              RealSpectrumList(samples, 512));
}

// The modulus of bin p of a real-data spectrum list (N, H0, HN, then Re/Im pairs).
double Modulus(const DataList& spectrum, int p) {
    return std::hypot(spectrum.Value(2 * p + 1), spectrum.Value(2 * p + 2));
}

// Level of the bin `distance` bins above the peak (bin 30 of a tone of 30.37 cycles),
// in dB relative to the peak.
double LeakageDb(WindowFunction window, int distance) {
    const DataList spectrum =
        RealSpectrumList(WindowedSamples(Tone(30.37, 1, 1024, 1024), 1024, window), 512);
    return 20 * std::log10(Modulus(spectrum, 30 + distance) / Modulus(spectrum, 30));
}

struct LeakageCase {
    const char* name;
    WindowFunction window;
    double lowerBy;  // dB below the rectangular window's leakage, at least
};

class LeakageTest : public ::testing::TestWithParam<LeakageCase> {};

TEST_P(LeakageTest, TwentyBinsFromTheOffBinPeakIsLowerThanRectangular) {
    const auto [name, window, lowerBy] = GetParam();
    const double rectangular = LeakageDb(WindowFunction::Rectangular, 20);
    EXPECT_GT(rectangular, -40) << "the rectangular window leaks";
    EXPECT_LE(LeakageDb(window, 20), rectangular - lowerBy);
}

const LeakageCase kLeakageCases[] = {
    {"Hann", WindowFunction::Hann, 40},
    {"Blackman", WindowFunction::Blackman, 40},
    {"FlatTop", WindowFunction::FlatTop, 40},
    {"Hamming", WindowFunction::Hamming, 10},
};

INSTANTIATE_TEST_SUITE_P(Windows, LeakageTest, ::testing::ValuesIn(kLeakageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The amplitude read from the highest bin: its modulus over half the sum of the weights.
double ReadAmplitude(WindowFunction window, double cycles, double amplitude) {
    const DataList spectrum =
        RealSpectrumList(WindowedSamples(Tone(cycles, amplitude, 1024, 1024), 1024, window), 512);
    double highest = 0;
    for (int p = 1; p < 512; ++p) highest = std::max(highest, Modulus(spectrum, p));
    double sum = 0;
    for (double w : WindowValues(window, 1024)) sum += w;
    return highest / (sum / 2);
}

struct AmplitudeCase {
    const char* name;
    double cycles;
    double amplitude;
};

class FlatTopAmplitudeTest : public ::testing::TestWithParam<AmplitudeCase> {};

TEST_P(FlatTopAmplitudeTest, ReadsAnOffBinToneWithinAThousandth) {
    const auto [name, cycles, amplitude] = GetParam();
    EXPECT_NEAR(ReadAmplitude(WindowFunction::FlatTop, cycles, amplitude), amplitude,
                amplitude * 0.001);
    // The rectangular window misses it by far more.
    EXPECT_LT(ReadAmplitude(WindowFunction::Rectangular, cycles, amplitude), amplitude * 0.97);
}

const AmplitudeCase kAmplitudeCases[] = {
    {"Cycles_30_37", 30.37, 1},
    {"Cycles_30_4_amplitude_2_5", 30.4, 2.5},
    {"Cycles_100_25", 100.25, 0.3},
};

INSTANTIATE_TEST_SUITE_P(Windows, FlatTopAmplitudeTest, ::testing::ValuesIn(kAmplitudeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WordCase {
    const char* word;
    WindowFunction window;
    const char* name;
};

class WindowWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WindowWordTest, NamesAndWordsGoBothWays) {
    const auto [word, window, name] = GetParam();
    EXPECT_EQ(WindowOfWord(word), window);
    EXPECT_EQ(WindowWord(window), word);
    EXPECT_EQ(WindowName(window), name);
}

const WordCase kWordCases[] = {
    {"rect", WindowFunction::Rectangular, "Rectangular"},
    {"hann", WindowFunction::Hann, "Hann"},
    {"hamming", WindowFunction::Hamming, "Hamming"},
    {"blackman", WindowFunction::Blackman, "Blackman"},
    {"flattop", WindowFunction::FlatTop, "Flat top"},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowWordTest, ::testing::ValuesIn(kWordCases),
                         [](const auto& info) { return std::string(info.param.word); });

TEST(WindowWordTest, OtherWordsAreNoWindow) {
    for (const char* word : {"", "Hann", "hanning", "flat top", "rectangular "})
        EXPECT_FALSE(WindowOfWord(word)) << word;
}

}  // namespace
}  // namespace quorbel
