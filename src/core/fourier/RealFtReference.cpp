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
    for (int p = 1; p <= N / 2; ++p) {
        SeparatePoint(data, N, p, c1, c2, w.RealSingle(), w.ImagSingle());
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
