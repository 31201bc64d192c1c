#include "fourier/ComplexFft.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#include "fourier/FftKernels.h"
#include "fourier/FftPasses.h"
#include "fourier/FftScalar.h"
#include "fourier/FftTables.h"

namespace quorbel {

namespace {

constexpr int kLargestLog2 = 30;

// The twiddle factors in the layout of FOUR1's tables (stage `half` at pair index
// half - 1), each one computed from its own angle so that no error accumulates along a
// stage, as a recurrence would let it.
std::vector<double> BuildTwiddles(int log2Points, int sign) {
    const int points = 1 << log2Points;
    std::vector<double> table;
    table.reserve(2 * static_cast<std::size_t>(points));
    for (int half = 1; half < points; half *= 2) {
        for (int k = 0; k < half; ++k) {
            const double angle = sign * std::numbers::pi * k / half;
            table.push_back(std::cos(angle));
            table.push_back(std::sin(angle));
        }
    }
    return table;
}

const std::vector<double>& TwiddlesFor(int log2Points, int sign) {
    static std::mutex mutex;
    static std::array<std::array<std::unique_ptr<const std::vector<double>>, kLargestLog2 + 1>, 2>
        slots;
    const std::lock_guard<std::mutex> lock(mutex);
    std::unique_ptr<const std::vector<double>>& slot = slots[sign > 0 ? 0 : 1][log2Points];
    if (!slot) slot = std::make_unique<const std::vector<double>>(BuildTwiddles(log2Points, sign));
    return *slot;
}

// The swaps are disjoint, so their order does not matter.
void BitReverse(double* c, const std::vector<std::uint32_t>& swaps) {
    for (std::size_t s = 0; s < swaps.size(); s += 2) {
        double* a = c + 2 * static_cast<std::size_t>(swaps[s]);
        double* b = c + 2 * static_cast<std::size_t>(swaps[s + 1]);
        std::swap(a[0], b[0]);
        std::swap(a[1], b[1]);
    }
}

}  // namespace

void ComplexFft(std::complex<double>* data, int points, int sign) {
    if (points < 2 || !std::has_single_bit(static_cast<unsigned>(points))) return;
    const int log2Points = std::countr_zero(static_cast<unsigned>(points));
    if (log2Points > kLargestLog2) return;
    // The bit reversal is the same whatever the precision of the factors: FOUR1's tables
    // give it; only the factors are ours.
    const ComplexTables& tables = ComplexTablesFor(log2Points, sign > 0 ? 1 : -1);
    const double* twiddles = TwiddlesFor(log2Points, sign).data();
    // std::complex<double> is laid out as two doubles, real part first.
    double* c = reinterpret_cast<double*>(data);
#ifdef QUORBEL_FFT_X86
    if (points >= 16 && FftKernelAvailable(FftKernel::Avx2)) {
        fft::BitReverseAvx2(c, points, tables.rowBlocks.data(), tables.rowBlocks.size());
        fft::TransformAvx2(c, points, twiddles);
        return;
    }
#endif
    BitReverse(c, tables.swaps);
    fft::Transform<ScalarPoint>(c, points, twiddles);
}

}  // namespace quorbel
