#include "fourier/RealFt.h"

#include <bit>
#include <vector>

#include "fourier/FftKernels.h"
#include "fourier/FftTables.h"
#include "fourier/Four1.h"
#include "fourier/RealFtSteps.h"

namespace quorbel {

namespace {

// Separates (forward) or recombines (inverse) the transforms of the even and odd samples,
// point p with its mirror N - p for p = 1 .. N/2. The twiddle factors come from the table,
// which holds exactly the values their recurrence walks through (theta is implied by N and
// the direction), so the passes no longer wait on one another.
void SeparateHalves(double* data, int N, double c1, double c2, const double* w) {
    int p = 1;
#ifdef QUORBEL_FFT_X86
    if (FftKernelAvailable(FftKernel::Avx2)) p = fft::SeparatePairsAvx2(data, N, c1, c2, w);
#endif
    for (; p <= N / 2; ++p) SeparatePoint(data, N, p, c1, c2, w[2 * p - 2], w[2 * p - 1]);
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
