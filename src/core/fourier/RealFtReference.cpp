#include "fourier/RealFtReference.h"

#include "fourier/Four1Reference.h"
#include "fourier/RealFtSteps.h"
#include "fourier/Twiddles.h"

namespace quorbel {

namespace {

// Separates (forward) or recombines (inverse) the transforms of the even and odd samples.
// Complex point p of the packed array and its mirror N - p are handled together, p = 1 ..
// N/2; the last pass (p = N/2) pairs the middle point with itself, and since its twiddle
// factor is practically i the point keeps its value.
void SeparateHalves(double* data, int N, double c1, double c2, double theta) {
    TwiddleWalk w(theta);
    w.Advance();  // point p uses w_p, from p = 1
    const int n2p3 = 2 * N + 3;
    for (int i = 2; i <= N / 2 + 1; ++i) {
        const int i1 = 2 * i - 1;
        const int i2 = i1 + 1;
        const int i3 = n2p3 - i2;
        const int i4 = i3 + 1;
        const double wrs = w.RealSingle();
        const double wis = w.ImagSingle();
        const double h1r = c1 * (data[i1] + data[i3]);
        const double h1i = c1 * (data[i2] - data[i4]);
        const double h2r = -c2 * (data[i2] + data[i4]);
        const double h2i = c2 * (data[i1] - data[i3]);
        data[i1] = h1r + wrs * h2r - wis * h2i;
        data[i2] = h1i + wrs * h2i + wis * h2r;
        data[i3] = h1r - wrs * h2r + wis * h2i;
        data[i4] = -h1i + wrs * h2i + wis * h2r;
        w.Advance();
    }
}

}  // namespace

// The 2N real samples are read as N complex points (even samples as real parts, odd
// samples as imaginary parts), so one complex FFT of half the length does the work; the
// separation step then untangles the two interleaved transforms.
void REALFTReference(double* data, int N, int Isign) {
    RealTransform(data, N, Isign, FOUR1Reference, SeparateHalves);
}

}  // namespace quorbel
