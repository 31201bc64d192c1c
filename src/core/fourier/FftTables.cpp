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

// Swaps are listed row block by row block: an index splits into its top kRowBits bits, its
// middle bits and its low kRowBits bits, and reversal reverses each part and exchanges the
// top and low parts. So the swaps of one middle value m touch only the short rows of
// points with middle m or reverse(m), a few cache lines, and are listed together; a plain
// ascending list would jump across the whole array for every swap.
constexpr int kRowBits = 2;

ComplexTables BuildComplex(int log2Points, int Isign) {
    const std::uint32_t points = std::uint32_t{1} << log2Points;
    const int rowBits = log2Points >= 2 * kRowBits ? kRowBits : 0;
    const int middleBits = log2Points - 2 * rowBits;
    ComplexTables tables;
    for (std::uint32_t middle = 0; middle < (std::uint32_t{1} << middleBits); ++middle) {
        const std::uint32_t reversedMiddle = ReverseBits(middle, middleBits);
        if (reversedMiddle < middle) continue;  // listed with reversedMiddle
        if (rowBits == kRowBits) {
            tables.rowBlocks.push_back(middle);
            tables.rowBlocks.push_back(reversedMiddle);
        }
        for (std::uint32_t top = 0; top < (std::uint32_t{1} << rowBits); ++top) {
            for (std::uint32_t low = 0; low < (std::uint32_t{1} << rowBits); ++low) {
                const std::uint32_t i = (top << (middleBits + rowBits)) | (middle << rowBits) | low;
                const std::uint32_t j = ReverseBits(i, log2Points);
                if (middle < reversedMiddle || i < j) {
                    tables.swaps.push_back(i);
                    tables.swaps.push_back(j);
                }
            }
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
