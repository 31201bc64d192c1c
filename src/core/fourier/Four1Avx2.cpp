// The AVX2 kernel of FOUR1. Only this file is compiled for AVX2, and only after the
// processor has been asked (FftKernelAvailable), so the program still runs on any x86-64.
// The instruction set is switched on without FMA: a fused multiply-add rounds once where
// the butterfly rounds twice, which would change the numbers.
#include "fourier/Four1Kernels.h"

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

}  // namespace

void TransformAvx2(double* c, int points, const double* twiddles) {
    Transform<Avx2Pair>(c, points, twiddles);
}

}  // namespace quorbel::fft

#pragma GCC pop_options

#endif
