#include "fourier/Four1.h"

#include <cmath>
#include <utility>

namespace quorbel {

namespace {

// One turn in radians, as the 15-digit decimal the transform has always used. Using the
// full-precision value would move the last printed digits of every spectrum.
constexpr double kTwoPi = 6.28318530717959;

// Reorders the n = 2*NN doubles into bit-reversed order of the complex point index, so
// that the butterfly stages can combine neighbouring sub-transforms in place.
void BitReverse(double* Y, int n) {
    int j = 1;
    for (int i = 1; i < n; i += 2) {
        if (j > i) {
            std::swap(Y[j], Y[i]);
            std::swap(Y[j + 1], Y[i + 1]);
        }
        // n is twice a power of two, so every halving of m is an exact division.
        int m = n / 2;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }
}

// Butterflies of one twiddle factor (wrs, wis) over all sub-transforms of the current
// stage: the sub-transform pairs start at i = m, m + istep, ... and are mmax doubles apart.
void Butterflies(double* Y, int n, int m, int mmax, int istep, double wrs, double wis) {
    for (int i = m; i <= n; i += istep) {
        const int j = i + mmax;
        const double tempr = wrs * Y[j] - wis * Y[j + 1];
        const double tempi = wrs * Y[j + 1] + wis * Y[j];
        Y[j] = Y[i] - tempr;
        Y[j + 1] = Y[i + 1] - tempi;
        Y[i] = Y[i] + tempr;
        Y[i + 1] = Y[i + 1] + tempi;
    }
}

// One Danielson-Lanczos stage: merges pairs of transforms of mmax/2 points into
// transforms of mmax points. The twiddle factor w = exp(Isign * 2*pi*i * p / mmax) walks
// through p = 0, 1, ... by a trigonometric recurrence, one sine pair per stage.
void Stage(double* Y, int n, int mmax, int Isign) {
    const int istep = 2 * mmax;
    const double theta = kTwoPi / (mmax * Isign);
    const double halfSine = std::sin(0.5 * theta);
    const double wpr = -2.0 * (halfSine * halfSine);
    const double wpi = std::sin(theta);
    double wr = 1.0;
    double wi = 0.0;
    for (int m = 1; m < mmax; m += 2) {
        // The butterflies use the twiddle factor rounded to single precision; the
        // recurrence itself keeps running in double. This rounding sets the accuracy of
        // every spectrum value the program shows (about 1e-7 of the largest value).
        const double wrs = static_cast<float>(wr);
        const double wis = static_cast<float>(wi);
        Butterflies(Y, n, m, mmax, istep, wrs, wis);
        const double wtemp = wr;
        wr = (wr * wpr - wi * wpi) + wr;
        wi = (wi * wpr + wtemp * wpi) + wi;
    }
}

}  // namespace

// Decimation in time: after the bit-reversal reordering, log2(NN) stages each double the
// length of the sub-transforms, from single points up to the full NN points.
void FOUR1(double* Y, int NN, int Isign) {
    const int n = 2 * NN;
    BitReverse(Y, n);
    for (int mmax = 2; n > mmax; mmax *= 2) {
        Stage(Y, n, mmax, Isign);
    }
}

}  // namespace quorbel
