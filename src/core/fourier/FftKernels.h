#pragma once
// The instruction-set variants of the fast FOUR1 and REALFT. They run the fastest one the
// processor offers; all of them give the same numbers bit for bit, only their speed differs.

// The SSE2 and AVX2 kernels exist on x86 with a GCC-compatible compiler (for the run-time
// processor check and the per-file instruction set); elsewhere only the portable one.
#if (defined(__x86_64__) || defined(__SSE2__)) && defined(__GNUC__)
#define QUORBEL_FFT_X86 1
#endif

#include <cstddef>
#include <cstdint>

namespace quorbel {

enum class FftKernel {
    Portable,  // plain C++, any processor
    Sse2,      // two doubles per register (every x86-64 processor)
    Avx2,      // four doubles per register, chosen at run time where the processor has it
};

// Whether this build and this processor can run `kernel`.
bool FftKernelAvailable(FftKernel kernel);

// FOUR1 (contract in Four1.h) computed by `kernel`, which must be available.
void FOUR1With(FftKernel kernel, double* Y, int NN, int Isign);

#ifdef QUORBEL_FFT_X86
namespace fft {

// The AVX2 passes over `points` >= 16 points (layouts as in FftPasses.h), compiled for AVX2
// in their own file; call only where FftKernelAvailable(FftKernel::Avx2).
void TransformAvx2(double* c, int points, const double* twiddles);

// The bit-reversal permutation of the `points` >= 16 points at c, block by block
// (ComplexTables::rowBlocks, `count` values), each block moved as a 4 x 4 transpose.
void BitReverseAvx2(double* c, int points, const std::uint32_t* blocks, std::size_t count);

// REALFT's separation step (SeparatePoint in RealFtSteps.h, twiddles as SplitTwiddlesFor)
// for the points p = 1, 2, .. two at a time, as far as pairs go; returns the first point
// it left for the caller (N/2 + 1 when none).
int SeparatePairsAvx2(double* data, int N, double c1, double c2, const double* w);

}  // namespace fft
#endif

}  // namespace quorbel
