#include "fourier/Four1Reference.h"

#include <utility>

#include "fourier/Twiddles.h"

namespace quorbel {

namespace {

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
// through p = 0, 1, ... by its recurrence, one sine pair per stage.
void Stage(double* Y, int n, int mmax, int Isign) {
    const int istep = 2 * mmax;
    TwiddleWalk w(StageAngle(mmax, Isign));
    for (int m = 1; m < mmax; m += 2) {
        Butterflies(Y, n, m, mmax, istep, w.RealSingle(), w.ImagSingle());
        w.Advance();
    }
}

}  // namespace

// Decimation in time: after the bit-reversal reordering, log2(NN) stages each double the
// length of the sub-transforms, from single points up to the full NN points.
void FOUR1Reference(double* Y, int NN, int Isign) {
    const int n = 2 * NN;
    BitReverse(Y, n);
    for (int mmax = 2; n > mmax; mmax *= 2) {
        Stage(Y, n, mmax, Isign);
    }
}

}  // namespace quorbel
