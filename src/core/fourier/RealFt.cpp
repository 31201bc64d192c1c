#include "fourier/RealFt.h"

#include <bit>
#include <vector>

#include "fourier/FftTables.h"
#include "fourier/Four1.h"
#include "fourier/Four1Kernels.h"
#include "fourier/RealFtSteps.h"

#ifdef QUORBEL_FFT_X86
#include <emmintrin.h>
#endif

namespace quorbel {

namespace {

#ifdef QUORBEL_FFT_X86
// SeparatePoint with each complex value in one SSE2 register (real part in the low lane).
// Where a formula subtracts in one part and adds in the other, both the sum and the
// difference are formed and the right lane of each kept, so every value is the same
// operation on the same operands as in SeparatePoint.
inline void SeparatePointSse2(double* data, int N, int p, __m128d c1, __m128d c2Signed, __m128d w) {
    double* point = data + 2 * p + 1;
    double* mirror = data + 2 * (N - p) + 1;
    const __m128d x = _mm_loadu_pd(point);
    const __m128d y = _mm_loadu_pd(mirror);
    const __m128d sum = _mm_add_pd(x, y);
    const __m128d difference = _mm_sub_pd(x, y);
    // h1 = c1 * (x0 + y0, x1 - y1); h2 = (-c2 * (x1 + y1), c2 * (x0 - y0)).
    const __m128d h1 = _mm_mul_pd(c1, _mm_move_sd(difference, sum));
    const __m128d h2 = _mm_mul_pd(c2Signed, _mm_shuffle_pd(sum, difference, 1));
    const __m128d direct = _mm_mul_pd(_mm_unpacklo_pd(w, w), h2);
    const __m128d crossed = _mm_mul_pd(_mm_unpackhi_pd(w, w), _mm_shuffle_pd(h2, h2, 1));
    const __m128d a = _mm_add_pd(h1, direct);
    const __m128d negatedH1 = _mm_xor_pd(h1, _mm_set1_pd(-0.0));
    const __m128d b = _mm_move_sd(_mm_add_pd(negatedH1, direct), _mm_sub_pd(h1, direct));
    _mm_storeu_pd(point, _mm_move_sd(_mm_add_pd(a, crossed), _mm_sub_pd(a, crossed)));
    _mm_storeu_pd(mirror, _mm_add_pd(b, crossed));
}
#endif

// Separates (forward) or recombines (inverse) the transforms of the even and odd samples,
// point p with its mirror N - p for p = 1 .. N/2. The twiddle factors come from the table,
// which holds exactly the values their recurrence walks through (theta is implied by N and
// the direction), so the passes no longer wait on one another.
void SeparateHalves(double* data, int N, double c1, double c2, const double* w) {
#ifdef QUORBEL_FFT_X86
    const __m128d c1s = _mm_set1_pd(c1);
    const __m128d c2s = _mm_set_pd(c2, -c2);
    for (int p = 1; p <= N / 2; ++p) {
        SeparatePointSse2(data, N, p, c1s, c2s, _mm_loadu_pd(w + 2 * (p - 1)));
    }
#else
    for (int p = 1; p <= N / 2; ++p) SeparatePoint(data, N, p, c1, c2, w[2 * p - 2], w[2 * p - 1]);
#endif
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
