// The numeric transform kernels FOUR1 and REALFT, checked against a naive O(N^2) DFT in
// full double precision and against signals whose spectra are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <vector>

#include "fourier/Four1.h"
#include "fourier/RealFt.h"

namespace quorbel {
namespace {

using Complex = std::complex<double>;

// The kernels round their twiddle factors to single precision (epsilon 6e-8), and the
// rounding errors of the log2(N) stages add up. Errors are measured relative to the
// largest magnitude involved; a wrong sign, a wrong reordering or a wrong twiddle factor
// gives errors of order 1 on that scale.
constexpr double kSinglePrecisionTolerance = 2e-6;

// A one-based working array as the kernels expect it, inside guard bands as long as the
// array itself on both sides (element 0 belongs to the lower band). The bands hold a
// sentinel value, so a read past either end brings a wrong value into the result and a
// write past either end changes a band.
class WorkingArray {
  public:
    explicit WorkingArray(int count)
        : guard_(std::max(count, 1)), storage_(2 * guard_ + count, kSentinel) {
        std::fill_n(data() + 1, count, 0.0);
    }
    static WorkingArray Of(const std::vector<double>& values) {
        WorkingArray array(static_cast<int>(values.size()));
        std::copy(values.begin(), values.end(), array.data() + 1);
        return array;
    }

    // Pointer to element 0: elements 1 .. count are the array.
    double* data() { return storage_.data() + guard_ - 1; }
    double& operator[](int index) { return data()[index]; }
    double operator[](int index) const { return storage_[guard_ - 1 + index]; }
    bool operator==(const WorkingArray&) const = default;

    void ExpectGuardsIntact() const {
        const int count = static_cast<int>(storage_.size()) - 2 * guard_;
        const auto band = storage_.begin();
        EXPECT_EQ(std::count(band, band + guard_, kSentinel), guard_) << "written before element 1";
        EXPECT_EQ(std::count(band + guard_ + count, storage_.end(), kSentinel), guard_)
            << "written after element " << count;
    }

  private:
    static constexpr double kSentinel = -12345.678;
    int guard_;
    std::vector<double> storage_;
};

// Deterministic values in [-1, 1), the same on every platform.
class TestSignal {
  public:
    explicit TestSignal(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / (1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_;
};

std::vector<Complex> RandomComplex(int count, std::uint32_t seed) {
    TestSignal signal(seed);
    std::vector<Complex> points(count);
    for (Complex& point : points) {
        const double re = signal.Next();
        point = {re, signal.Next()};
    }
    return points;
}

std::vector<double> RandomReal(int count, std::uint32_t seed) {
    TestSignal signal(seed);
    std::vector<double> samples(count);
    for (double& sample : samples) sample = signal.Next();
    return samples;
}

// H_n = sum_k h_k exp(sign * 2 pi i n k / N) with full-precision pi; the product n*k is
// reduced modulo N first so the angle stays exact.
std::vector<Complex> NaiveDft(const std::vector<Complex>& h, int sign) {
    const int count = static_cast<int>(h.size());
    std::vector<Complex> result(count);
    for (int n = 0; n < count; ++n) {
        Complex sum = 0.0;
        for (int k = 0; k < count; ++k) {
            const long long turn = static_cast<long long>(n) * k % count;
            const double angle = sign * 2.0 * std::numbers::pi * static_cast<double>(turn) / count;
            sum += h[k] * std::polar(1.0, angle);
        }
        result[n] = sum;
    }
    return result;
}

std::vector<Complex> ToComplex(const std::vector<double>& samples) {
    return std::vector<Complex>(samples.begin(), samples.end());
}

// Interleaved one-based array: real part of point k at 2k+1, imaginary part at 2k+2.
WorkingArray Interleave(const std::vector<Complex>& points) {
    WorkingArray array(2 * static_cast<int>(points.size()));
    for (int k = 0; k < static_cast<int>(points.size()); ++k) {
        array[2 * k + 1] = points[k].real();
        array[2 * k + 2] = points[k].imag();
    }
    return array;
}

Complex PointAt(const WorkingArray& array, int k) {
    return {array[2 * k + 1], array[2 * k + 2]};
}

double LargestMagnitude(const std::vector<Complex>& points) {
    double largest = 0.0;
    for (const Complex& point : points) largest = std::max(largest, std::abs(point));
    return largest;
}

// Largest |FOUR1 result - expected| over all points, relative to the largest |expected|.
double RelativeError(const WorkingArray& array, const std::vector<Complex>& expected) {
    double error = 0.0;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        error = std::max(error, std::abs(PointAt(array, static_cast<int>(k)) - expected[k]));
    }
    return error / LargestMagnitude(expected);
}

// Sample k of a unit sine with 30 cycles over 1024 samples, as the synthesis produces it.
double UnitSine30(int k) {
    return std::sin(6.28318530717959 * 30 * k / 1024);
}

// ---------------------------------------------------------------------------------------
// FOUR1 against the naive DFT

TEST(Four1, RandomPoints_Sizes1To1024_MatchNaiveDftBothSigns) {
    for (int sign : {+1, -1}) {
        for (int NN = 1; NN <= 1024; NN *= 2) {
            SCOPED_TRACE(testing::Message() << "NN = " << NN << ", Isign = " << sign);
            const std::vector<Complex> input = RandomComplex(NN, 1000u + NN);
            WorkingArray Y = Interleave(input);
            FOUR1(Y.data(), NN, sign);
            EXPECT_LE(RelativeError(Y, NaiveDft(input, sign)), kSinglePrecisionTolerance);
            Y.ExpectGuardsIntact();
        }
    }
}

// The twiddle factors are rounded to single precision on purpose: the spectrum values the
// program prints carry that rounding. With double-precision twiddles the error against
// the exact DFT would be near 1e-15 instead of near 1e-7.
TEST(Four1, RandomPoints1024_CarrySinglePrecisionTwiddleError) {
    const std::vector<Complex> input = RandomComplex(1024, 7u);
    WorkingArray Y = Interleave(input);
    FOUR1(Y.data(), 1024, 1);
    const double error = RelativeError(Y, NaiveDft(input, 1));
    EXPECT_GT(error, 1e-9);
    EXPECT_LE(error, kSinglePrecisionTolerance);
}

TEST(Four1, RandomPoints1024_ForwardThenInverse_GivesNNTimesInput) {
    const std::vector<Complex> input = RandomComplex(1024, 99u);
    WorkingArray Y = Interleave(input);
    FOUR1(Y.data(), 1024, 1);
    FOUR1(Y.data(), 1024, -1);
    std::vector<Complex> expected = input;
    for (Complex& point : expected) point *= 1024.0;
    EXPECT_LE(RelativeError(Y, expected), kSinglePrecisionTolerance);
    Y.ExpectGuardsIntact();
}

// ---------------------------------------------------------------------------------------
// FOUR1 on signals with known spectra (1024 points, as the main window transforms them)

TEST(Four1, Impulse1024_EveryPointIsOnePlusZeroI) {
    WorkingArray Y(2048);
    Y[1] = 1.0;
    FOUR1(Y.data(), 1024, 1);
    for (int n = 0; n < 1024; ++n) {
        ASSERT_EQ(PointAt(Y, n), Complex(1.0, 0.0)) << "point " << n;
    }
}

TEST(Four1, Constant1_1024_AllInZeroFrequency) {
    WorkingArray Y(2048);
    for (int k = 0; k < 1024; ++k) Y[2 * k + 1] = 1.0;
    FOUR1(Y.data(), 1024, 1);
    EXPECT_EQ(Y[1], 1024.0);
    EXPECT_EQ(Y[2], 0.0);
    for (int n = 1; n < 1024; ++n) {
        EXPECT_LE(std::abs(PointAt(Y, n)), 1024 * kSinglePrecisionTolerance) << "point " << n;
    }
}

// The positive exponent puts a sine's spectrum at +i*N/2 on its own frequency and at
// -i*N/2 on the mirrored negative frequency.
TEST(Four1, UnitSine30_1024_PlusHalfNIAt30MinusHalfNIAt994) {
    WorkingArray Y(2048);
    for (int k = 0; k < 1024; ++k) Y[2 * k + 1] = UnitSine30(k);
    FOUR1(Y.data(), 1024, 1);
    const double tolerance = 512 * kSinglePrecisionTolerance;
    EXPECT_NEAR(Y[61], 0.0, tolerance);
    EXPECT_NEAR(Y[62], 512.0, tolerance);
    EXPECT_NEAR(Y[1989], 0.0, tolerance);
    EXPECT_NEAR(Y[1990], -512.0, tolerance);
    for (int n = 0; n < 1024; ++n) {
        if (n == 30 || n == 994) continue;
        EXPECT_LE(std::abs(PointAt(Y, n)), tolerance) << "point " << n;
    }
}

// ---------------------------------------------------------------------------------------
// REALFT

// Packed forward result as complex points: H_0 and H_N share the first slot.
std::vector<Complex> ExpectedRealFtOutput(const std::vector<double>& samples) {
    const std::vector<Complex> full = NaiveDft(ToComplex(samples), 1);
    const int N = static_cast<int>(samples.size()) / 2;
    std::vector<Complex> packed(full.begin(), full.begin() + N);
    packed[0] = {full[0].real(), full[N].real()};
    return packed;
}

TEST(RealFt, RandomSamples_2To2048_MatchNaiveDft) {
    for (int N = 1; N <= 1024; N *= 2) {
        SCOPED_TRACE(testing::Message() << "N = " << N);
        const std::vector<double> samples = RandomReal(2 * N, 500u + N);
        WorkingArray data = WorkingArray::Of(samples);
        REALFT(data.data(), N, 1);
        EXPECT_LE(RelativeError(data, ExpectedRealFtOutput(samples)), kSinglePrecisionTolerance);
        data.ExpectGuardsIntact();
    }
}

// The separation step rounds its twiddle factors to single precision as FOUR1 does. With
// 8 samples the inner complex FFT of 4 points needs no twiddle factor other than 1 and i,
// so any error near 1e-8 comes from the separation step alone.
TEST(RealFt, RandomSamples8_CarrySinglePrecisionTwiddleError) {
    const std::vector<double> samples = RandomReal(8, 3u);
    WorkingArray data = WorkingArray::Of(samples);
    REALFT(data.data(), 4, 1);
    const double error = RelativeError(data, ExpectedRealFtOutput(samples));
    EXPECT_GT(error, 1e-10);
    EXPECT_LE(error, kSinglePrecisionTolerance);
}

// The two transform methods of the main window must agree: REALFT on 1024 samples gives
// H_0 .. H_512 of the complex FFT with zero imaginary parts.
TEST(RealFt, RandomSamples1024_EqualFirst513PointsOfFour1) {
    const std::vector<double> samples = RandomReal(1024, 31u);
    WorkingArray Y = Interleave(ToComplex(samples));
    FOUR1(Y.data(), 1024, 1);
    WorkingArray data = WorkingArray::Of(samples);
    REALFT(data.data(), 512, 1);

    double largest = 0.0;
    for (int i = 1; i <= 2048; ++i) largest = std::max(largest, std::abs(Y[i]));
    const double tolerance = largest * kSinglePrecisionTolerance;
    EXPECT_NEAR(data[1], Y[1], tolerance) << "Re H_0";
    EXPECT_NEAR(data[2], Y[2 * 512 + 1], tolerance) << "Re H_512";
    for (int n = 1; n < 512; ++n) {
        EXPECT_NEAR(data[2 * n + 1], Y[2 * n + 1], tolerance) << "Re H_" << n;
        EXPECT_NEAR(data[2 * n + 2], Y[2 * n + 2], tolerance) << "Im H_" << n;
    }
}

TEST(RealFt, Constant1_1024_AllInZeroFrequency) {
    WorkingArray data = WorkingArray::Of(std::vector<double>(1024, 1.0));
    REALFT(data.data(), 512, 1);
    EXPECT_EQ(data[1], 1024.0);
    for (int i = 2; i <= 1024; ++i) {
        EXPECT_NEAR(data[i], 0.0, 1024 * kSinglePrecisionTolerance) << "element " << i;
    }
}

TEST(RealFt, UnitSine30_1024_PlusHalfNIAt30) {
    WorkingArray data(1024);
    for (int k = 0; k < 1024; ++k) data[k + 1] = UnitSine30(k);
    REALFT(data.data(), 512, 1);
    const double tolerance = 512 * kSinglePrecisionTolerance;
    EXPECT_NEAR(data[61], 0.0, tolerance);
    EXPECT_NEAR(data[62], 512.0, tolerance);
    for (int i = 1; i <= 1024; ++i) {
        if (i == 61 || i == 62) continue;
        EXPECT_NEAR(data[i], 0.0, tolerance) << "element " << i;
    }
}

// The inverse direction returns N times the samples (the caller divides by N), for every
// size up to the largest the program uses (32768 samples, N = 16384).
TEST(RealFt, RandomSamples_ForwardThenInverse_GivesNTimesSamples) {
    for (int N = 1; N <= 16384; N *= 2) {
        SCOPED_TRACE(testing::Message() << "N = " << N);
        const std::vector<double> samples = RandomReal(2 * N, 77u + N);
        WorkingArray data = WorkingArray::Of(samples);
        REALFT(data.data(), N, 1);
        REALFT(data.data(), N, -1);
        double error = 0.0;
        for (int k = 0; k < 2 * N; ++k)
            error = std::max(error, std::abs(data[k + 1] - N * samples[k]));
        EXPECT_LE(error, N * kSinglePrecisionTolerance);
        data.ExpectGuardsIntact();
    }
}

// Any Isign other than 1 selects the inverse direction.
TEST(RealFt, SpectrumOf512Points_InverseWithIsign0_SameAsIsignMinus1) {
    const std::vector<double> spectrum = RandomReal(1024, 5u);
    WorkingArray withMinus1 = WorkingArray::Of(spectrum);
    const WorkingArray input = withMinus1;
    WorkingArray withZero = withMinus1;
    REALFT(withMinus1.data(), 512, -1);
    REALFT(withZero.data(), 512, 0);
    EXPECT_NE(withMinus1, input);
    EXPECT_EQ(withZero, withMinus1);
}

}  // namespace
}  // namespace quorbel
