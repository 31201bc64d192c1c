// The AVX2 kernels of FOUR1 and REALFT. Only this file is compiled for AVX2, and only after the
// processor has been asked (FftKernelAvailable), so the program still runs on any x86-64.
// The instruction set is switched on without FMA: a fused multiply-add rounds once where
// the butterfly rounds twice, which would change the numbers.
#include "fourier/FftKernels.h"

#ifdef QUORBEL_FFT_X86

#include <immintrin.h>

#pragma GCC push_options
#pragma GCC target("avx2")

#include "fourier/FftPasses.h"

namespace quorbel::fft {

namespace {

// Two complex points per register: (re0, im0, re1, im1).
struct Avx2Pair {
    static constexpr int kWidth = 2;
    using Reg = __m256d;
    static Reg Load(const double* p) { return _mm256_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm256_storeu_pd(p, v); }
    static Reg Twiddles(const double* w) { return _mm256_loadu_pd(w); }
    // wr*b and wi*swap(b) per lane; addsub subtracts in the real lanes and adds in the
    // imaginary ones, the very operations of the scalar butterfly.
    static Reg Rotate(Reg b, Reg t) {
        const __m256d direct = _mm256_mul_pd(_mm256_movedup_pd(t), b);
        const __m256d crossed = _mm256_mul_pd(_mm256_permute_pd(t, 0xF), _mm256_permute_pd(b, 0x5));
        return _mm256_addsub_pd(direct, crossed);
    }
    static Reg Add(Reg a, Reg t) { return _mm256_add_pd(a, t); }
    static Reg Sub(Reg a, Reg t) { return _mm256_sub_pd(a, t); }

    // The first two stages on each group of four points, in registers. The first pairs
    // neighbouring points with the one factor w_0: the halves of the two loads regroup the
    // points 0..3 into (0, 2) and (1, 3), so one register operation does both of its
    // butterflies. Regrouped back, the results are the pairs (0, 1) and (2, 3) that the
    // second stage combines with its factors w_0, w_1.
    static int FirstStages(double* c, int points, const double* w) {
        const __m256d first = _mm256_broadcast_pd(reinterpret_cast<const __m128d*>(w));
        const __m256d second = Twiddles(fft::StageTwiddles(w, 2));
        for (int k = 0; k < 2 * points; k += 8) {
            const __m256d lo = Load(c + k);
            const __m256d hi = Load(c + k + 4);
            const __m256d x = _mm256_permute2f128_pd(lo, hi, 0x20);
            const __m256d r = Rotate(_mm256_permute2f128_pd(lo, hi, 0x31), first);
            const __m256d sum = Add(x, r);
            const __m256d difference = Sub(x, r);
            const __m256d y = _mm256_permute2f128_pd(sum, difference, 0x20);
            const __m256d t = Rotate(_mm256_permute2f128_pd(sum, difference, 0x31), second);
            Store(c + k, Add(y, t));
            Store(c + k + 4, Sub(y, t));
        }
        return 4;
    }
};

// Replaces the lanes of `whole` marked in Mask (bit k for double k) by those of `part`.
template <int Mask>
__m256d Blend(__m256d whole, __m256d part) {
    return _mm256_blend_pd(whole, part, Mask);
}

// The two 128-bit halves exchanged: (point a, point b) becomes (point b, point a).
__m256d SwapPoints(__m256d v) {
    return _mm256_permute2f128_pd(v, v, 0x01);
}

}  // namespace

void TransformAvx2(double* c, int points, const double* twiddles) {
    Transform<Avx2Pair>(c, points, twiddles);
}

// Points p and p + 1 sit side by side, and so do their mirrors N - p - 1 and N - p, in the
// other order; exchanging the mirror halves lines every point up with its own mirror. Each
// lane then does what SeparatePoint does to its part: where a formula subtracts in the
// real part and adds in the imaginary one, both the sum and the difference are formed and
// the right lanes of each kept, so every value is the same operation on the same operands.
// The pair p = N/2 - 1, N/2 overlaps its own mirrors in the middle point; storing the
// mirrors last leaves there the mirror's values, as SeparatePoint does.
int SeparatePairsAvx2(double* data, int N, double c1, double c2, const double* w) {
    const __m256d c1s = _mm256_set1_pd(c1);
    const __m256d c2s = _mm256_set_pd(c2, -c2, c2, -c2);
    const __m256d signs = _mm256_set1_pd(-0.0);
    int p = 1;
    for (; p + 1 <= N / 2; p += 2) {
        double* point = data + 2 * p + 1;
        double* mirror = data + 2 * (N - p - 1) + 1;
        const __m256d x = _mm256_loadu_pd(point);
        const __m256d y = SwapPoints(_mm256_loadu_pd(mirror));
        const __m256d t = _mm256_loadu_pd(w + 2 * (p - 1));
        const __m256d sum = _mm256_add_pd(x, y);
        const __m256d difference = _mm256_sub_pd(x, y);
        // h1 = c1 * (x.re + y.re, x.im - y.im); h2 = (-c2 * (x.im + y.im), c2 * (x.re - y.re)).
        const __m256d h1 = _mm256_mul_pd(c1s, Blend<0b0101>(difference, sum));
        const __m256d h2 = _mm256_mul_pd(c2s, _mm256_shuffle_pd(sum, difference, 0b0101));
        const __m256d direct = _mm256_mul_pd(_mm256_movedup_pd(t), h2);
        const __m256d crossed =
            _mm256_mul_pd(_mm256_permute_pd(t, 0xF), _mm256_permute_pd(h2, 0b0101));
        const __m256d a = _mm256_add_pd(h1, direct);
        const __m256d b = Blend<0b0101>(_mm256_add_pd(_mm256_xor_pd(h1, signs), direct),
                                        _mm256_sub_pd(h1, direct));
        _mm256_storeu_pd(point, _mm256_addsub_pd(a, crossed));
        _mm256_storeu_pd(mirror, SwapPoints(_mm256_add_pd(b, crossed)));
    }
    return p;
}

}  // namespace quorbel::fft

#pragma GCC pop_options

#endif
