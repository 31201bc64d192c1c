// The AVX2 kernels of FOUR1 and REALFT. Only this file is compiled for AVX2, and its
// functions are called only where the processor has it (FftKernelAvailable), so the
// program still runs on any x86-64.
// The instruction set is switched on without FMA: a fused multiply-add rounds once where
// the butterfly rounds twice, which would change the numbers.
#include "fourier/FftKernels.h"

#ifdef QUORBEL_FFT_X86

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

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

    // The first two stages on the four points at c, in registers; the results, points
    // (0, 1) and (2, 3), are left in lo and hi. The first stage pairs neighbouring points
    // with the one factor w_0: the halves of the two loads regroup the points into (0, 2)
    // and (1, 3), so one register operation does both of its butterflies. Regrouped back,
    // the results are the pairs that the second stage combines with its factors w_0, w_1.
    static void FirstTwoStages(const double* c, Reg first, Reg second, Reg& lo, Reg& hi) {
        const __m256d p01 = Load(c);
        const __m256d p23 = Load(c + 4);
        const __m256d x = _mm256_permute2f128_pd(p01, p23, 0x20);
        const __m256d r = Rotate(_mm256_permute2f128_pd(p01, p23, 0x31), first);
        const __m256d sum = Add(x, r);
        const __m256d difference = Sub(x, r);
        const __m256d y = _mm256_permute2f128_pd(sum, difference, 0x20);
        const __m256d t = Rotate(_mm256_permute2f128_pd(sum, difference, 0x31), second);
        lo = Add(y, t);
        hi = Sub(y, t);
    }

    // Two stages in registers where the number of stages is even, three where it is odd, so
    // that the rest goes two stages per pass without a lone stage at the end.
    static int FirstStages(double* c, int points, const double* w) {
        const __m256d first = _mm256_broadcast_pd(reinterpret_cast<const __m128d*>(w));
        const __m256d second = Twiddles(StageTwiddles(w, 2));
        __m256d a0, a1;
        if (__builtin_ctz(static_cast<unsigned>(points)) % 2 == 0) {
            for (int k = 0; k < 2 * points; k += 8) {
                FirstTwoStages(c + k, first, second, a0, a1);
                Store(c + k, a0);
                Store(c + k + 4, a1);
            }
            return 4;
        }
        const __m256d third01 = Twiddles(StageTwiddles(w, 4));
        const __m256d third23 = Twiddles(StageTwiddles(w, 4) + 4);
        __m256d b0, b1;
        for (int k = 0; k < 2 * points; k += 16) {
            FirstTwoStages(c + k, first, second, a0, a1);
            FirstTwoStages(c + k + 8, first, second, b0, b1);
            const __m256d t0 = Rotate(b0, third01);
            const __m256d t1 = Rotate(b1, third23);
            Store(c + k, Add(a0, t0));
            Store(c + k + 4, Add(a1, t1));
            Store(c + k + 8, Sub(a0, t0));
            Store(c + k + 12, Sub(a1, t1));
        }
        return 8;
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

// The 16 points of one block: rows a = 0..3 of four neighbouring points, rowStride doubles
// apart; row a in rows[2a] (points 0, 1) and rows[2a + 1] (points 2, 3).
struct Block {
    __m256d rows[8];
};

Block LoadBlock(const double* c, std::ptrdiff_t rowStride) {
    Block block;
    for (int a = 0; a < 4; ++a) {
        block.rows[2 * a] = _mm256_loadu_pd(c + a * rowStride);
        block.rows[2 * a + 1] = _mm256_loadu_pd(c + a * rowStride + 4);
    }
    return block;
}

// Stores the block with point (a, c) at row rev c, position rev a (rev: the two bits
// exchanged), so that row r holds column rev r in the order a = 0, 2, 1, 3.
void StoreReversed(double* c, std::ptrdiff_t rowStride, const Block& b) {
    const __m256d* s = b.rows;
    _mm256_storeu_pd(c, _mm256_permute2f128_pd(s[0], s[4], 0x20));
    _mm256_storeu_pd(c + 4, _mm256_permute2f128_pd(s[2], s[6], 0x20));
    _mm256_storeu_pd(c + 2 * rowStride, _mm256_permute2f128_pd(s[0], s[4], 0x31));
    _mm256_storeu_pd(c + 2 * rowStride + 4, _mm256_permute2f128_pd(s[2], s[6], 0x31));
    _mm256_storeu_pd(c + rowStride, _mm256_permute2f128_pd(s[1], s[5], 0x20));
    _mm256_storeu_pd(c + rowStride + 4, _mm256_permute2f128_pd(s[3], s[7], 0x20));
    _mm256_storeu_pd(c + 3 * rowStride, _mm256_permute2f128_pd(s[1], s[5], 0x31));
    _mm256_storeu_pd(c + 3 * rowStride + 4, _mm256_permute2f128_pd(s[3], s[7], 0x31));
}

}  // namespace

// Moving points changes no value, so only where each lands matters: the 16 points of
// block m, transposed, fill block rev m and the other way round, each block loaded once
// and stored once, where a swap list moves every point by itself.
void BitReverseAvx2(double* c, int points, const std::uint32_t* blocks, std::size_t count) {
    const std::ptrdiff_t rowStride = points / 2;
    for (std::size_t i = 0; i < count; i += 2) {
        double* first = c + 8 * static_cast<std::ptrdiff_t>(blocks[i]);
        double* second = c + 8 * static_cast<std::ptrdiff_t>(blocks[i + 1]);
        const Block a = LoadBlock(first, rowStride);
        const Block b = LoadBlock(second, rowStride);
        StoreReversed(second, rowStride, a);
        if (second != first) StoreReversed(first, rowStride, b);
    }
}

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

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
