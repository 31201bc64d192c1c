#include "fourier/FftTables.h"

#include <array>
#include <memory>
#include <mutex>

#include "fourier/Twiddles.h"

namespace quorbel {

namespace {

constexpr int kLargestLog2 = 30;

// The twiddle factors come from TwiddleWalk, step by step exactly as the plain kernels
// walk them, so every table entry is bit for bit the factor those kernels would use.
void AppendWalk(std::vector<double>& table, double theta, int firstStep, int count) {
    TwiddleWalk w(theta);
    for (int p = 0; p < firstStep; ++p) w.Advance();
    for (int p = 0; p < count; ++p) {
        table.push_back(w.RealSingle());
        table.push_back(w.ImagSingle());
        w.Advance();
    }
}

std::uint32_t ReverseBits(std::uint32_t index, int bits) {
    std::uint32_t reversed = 0;
    for (int b = 0; b < bits; ++b) reversed |= ((index >> b) & 1u) << (bits - 1 - b);
    return reversed;
}

ComplexTables BuildComplex(int log2Points, int Isign) {
    const std::uint32_t points = std::uint32_t{1} << log2Points;
    ComplexTables tables;
    for (std::uint32_t i = 0; i < points; ++i) {
        const std::uint32_t j = ReverseBits(i, log2Points);
        if (i < j) {
            tables.swaps.push_back(i);
            tables.swaps.push_back(j);
        }
    }
    tables.twiddles.reserve(2 * points);
    for (int half = 1; half < static_cast<int>(points); half *= 2) {
        AppendWalk(tables.twiddles, StageAngle(2 * half, Isign), 0, half);
    }
    return tables;
}

std::vector<double> BuildSplit(int log2Points, int Isign) {
    const int N = 1 << log2Points;
    std::vector<double> table;
    table.reserve(N);
    AppendWalk(table, SplitAngle(N, Isign), 1, N / 2);
    return table;
}

// One slot per size and direction, filled on first use under a single lock. The program
// asks from one thread, so the lock is never contended; it only keeps the cache sound.
template <typename Table>
class Cache {
  public:
    template <typename Build>
    const Table& Get(int log2Points, int Isign, Build build) {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::unique_ptr<const Table>& slot = slots_[Isign == 1 ? 0 : 1][log2Points];
        if (!slot) slot = std::make_unique<const Table>(build(log2Points, Isign));
        return *slot;
    }

  private:
    std::mutex mutex_;
    std::array<std::array<std::unique_ptr<const Table>, kLargestLog2 + 1>, 2> slots_;
};

}  // namespace

const ComplexTables& ComplexTablesFor(int log2Points, int Isign) {
    static Cache<ComplexTables> cache;
    return cache.Get(log2Points, Isign, BuildComplex);
}

const std::vector<double>& SplitTwiddlesFor(int log2Points, int Isign) {
    static Cache<std::vector<double>> cache;
    return cache.Get(log2Points, Isign, BuildSplit);
}

}  // namespace quorbel
