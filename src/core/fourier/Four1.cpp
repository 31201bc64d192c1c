#include "fourier/Four1.h"

#include <bit>
#include <cstdint>
#include <vector>

#include "fourier/FftKernels.h"
#include "fourier/FftTables.h"

#ifdef QUORBEL_FFT_X86
#include <emmintrin.h>
#endif

#include "fourier/FftPasses.h"
#include "fourier/FftScalar.h"

namespace quorbel {

namespace {

#ifdef QUORBEL_FFT_X86
// One complex point per SSE2 register, real part in the low lane.
struct Sse2Point {
    static constexpr int kWidth = 1;
    using Reg = __m128d;
    static Reg Load(const double* p) { return _mm_loadu_pd(p); }
    static void Store(double* p, Reg v) { _mm_storeu_pd(p, v); }
    static Reg Twiddles(const double* w) { return _mm_loadu_pd(w); }
    // Both lanes form wr*b + wi*swap(b); the real part wants the difference instead. Taking
    // the low lane of the difference and the high lane of the sum keeps every operation
    // the scalar butterfly does, in its order, so the rounding is the same.
    static Reg Rotate(Reg b, Reg t) {
        const __m128d direct = _mm_mul_pd(_mm_unpacklo_pd(t, t), b);
        const __m128d crossed = _mm_mul_pd(_mm_unpackhi_pd(t, t), _mm_shuffle_pd(b, b, 1));
        return _mm_move_sd(_mm_add_pd(direct, crossed), _mm_sub_pd(direct, crossed));
    }
    static Reg Add(Reg a, Reg t) { return _mm_add_pd(a, t); }
    static Reg Sub(Reg a, Reg t) { return _mm_sub_pd(a, t); }
};
#endif

// The swaps are disjoint, so their order does not matter; a table of them replaces the
// data-dependent branches of the incremental bit-reversed counter.
void BitReverse(double* c, const std::vector<std::uint32_t>& swaps) {
    const std::uint32_t* s = swaps.data();
    const std::uint32_t* end = s + swaps.size();
    for (; s != end; s += 2) {
        double* a = c + 2 * static_cast<std::size_t>(s[0]);
        double* b = c + 2 * static_cast<std::size_t>(s[1]);
        const double re = a[0];
        const double im = a[1];
        a[0] = b[0];
        a[1] = b[1];
        b[0] = re;
        b[1] = im;
    }
}

FftKernel FastestKernel() {
    static const FftKernel fastest = FftKernelAvailable(FftKernel::Avx2)   ? FftKernel::Avx2
                                     : FftKernelAvailable(FftKernel::Sse2) ? FftKernel::Sse2
                                                                           : FftKernel::Portable;
    return fastest;
}

}  // namespace

bool FftKernelAvailable(FftKernel kernel) {
    switch (kernel) {
        case FftKernel::Portable:
            return true;
#ifdef QUORBEL_FFT_X86
        case FftKernel::Sse2:
            return true;
        case FftKernel::Avx2:
            return __builtin_cpu_supports("avx2");
#endif
        default:
            return false;
    }
}

void FOUR1With(FftKernel kernel, double* Y, int NN, int Isign) {
    // A single point is its own transform.
    if (NN < 2) return;
    const ComplexTables& tables =
        ComplexTablesFor(std::countr_zero(static_cast<unsigned>(NN)), Isign);
    double* c = Y + 1;
    const double* twiddles = tables.twiddles.data();
    switch (kernel) {
#ifdef QUORBEL_FFT_X86
        case FftKernel::Avx2:
            if (NN >= 16) {
                fft::BitReverseAvx2(c, NN, tables.rowBlocks.data(), tables.rowBlocks.size());
                fft::TransformAvx2(c, NN, twiddles);
                return;
            }
            // Fewer points than one block of the bit reversal: left to SSE2.
            [[fallthrough]];
        case FftKernel::Sse2:
            BitReverse(c, tables.swaps);
            fft::Transform<Sse2Point>(c, NN, twiddles);
            return;
#endif
        default:
            BitReverse(c, tables.swaps);
            fft::Transform<ScalarPoint>(c, NN, twiddles);
            return;
    }
}

void FOUR1(double* Y, int NN, int Isign) {
    FOUR1With(FastestKernel(), Y, NN, Isign);
}

}  // namespace quorbel
