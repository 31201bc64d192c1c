#include "fourier/RealFt.h"

#include <bit>
#include <vector>

#include "fourier/FftTables.h"
#include "fourier/Four1.h"
#include "fourier/RealFtSteps.h"

namespace quorbel {

namespace {

// Separates (forward) or recombines (inverse) the transforms of the even and odd samples:
// complex point p and its mirror N - p together, p = 1 .. N/2, the last pass pairing the
// middle point with itself. The twiddle factors come from the table, which holds exactly
// the values their recurrence walks through (theta is implied by N and the direction), so
// the passes no longer wait on one another.
void SeparateHalves(double* data, int N, double c1, double c2, const double* w) {
    const int n2p3 = 2 * N + 3;
    for (int i = 2; i <= N / 2 + 1; ++i) {
        const int i1 = 2 * i - 1;
        const int i2 = i1 + 1;
        const int i3 = n2p3 - i2;
        const int i4 = i3 + 1;
        const double wrs = w[2 * (i - 2)];
        const double wis = w[2 * (i - 2) + 1];
        const double h1r = c1 * (data[i1] + data[i3]);
        const double h1i = c1 * (data[i2] - data[i4]);
        const double h2r = -c2 * (data[i2] + data[i4]);
        const double h2i = c2 * (data[i1] - data[i3]);
        data[i1] = h1r + wrs * h2r - wis * h2i;
        data[i2] = h1i + wrs * h2i + wis * h2r;
        data[i3] = h1r - wrs * h2r + wis * h2i;
        data[i4] = -h1i + wrs * h2i + wis * h2r;
    }
}

}  // namespace

// The 2N real samples are read as N complex points (even samples as real parts, odd
// samples as imaginary parts), so one complex FFT of half the length does the work; the
// separation step then untangles the two interleaved transforms.
void REALFT(double* data, int N, int Isign) {
    const std::vector<double>& twiddles =
        SplitTwiddlesFor(std::countr_zero(static_cast<unsigned>(N)), Isign);
    RealTransform(data, N, Isign, FOUR1,
                  [&twiddles](double* d, int points, double c1, double c2, double) {
                      SeparateHalves(d, points, c1, c2, twiddles.data());
                  });
}

}  // namespace quorbel
