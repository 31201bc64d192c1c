#pragma once
// Tables of the fast transforms, built once per size and direction and kept for the life
// of the program. The references returned stay valid and unchanged for good; building is
// guarded, so any thread may ask.

#include <cstdint>
#include <vector>

namespace quorbel {

struct ComplexTables {
    // The bit-reversal permutation of the point indices 0 .. NN-1 as disjoint swaps:
    // swaps[2s] and swaps[2s+1] are the two zero-based point indices of swap s.
    std::vector<std::uint32_t> swaps;
    // The same permutation by blocks, for NN >= 16 (empty below). A point index splits into
    // its top 2 bits a, middle bits m and low 2 bits c; reversal sends (a, m, c) to
    // (rev c, rev m, rev a), so the 16 points with middle m (4 rows of 4 neighbours) trade
    // places with the 16 with middle rev m, transposed. Pairs (m, rev m) with m <= rev m.
    std::vector<std::uint32_t> rowBlocks;
    // The twiddle factors of all butterfly stages, each rounded to single precision and
    // stored as an interleaved (real, imaginary) pair of doubles. The stage that merges
    // transforms of `half` points (half = 1, 2, 4, .. NN/2) has its `half` factors
    // w_0 .. w_(half-1) at pair index half - 1 onwards (double index 2 * (half - 1)).
    std::vector<double> twiddles;
};

// For FOUR1 on NN = 2^log2Points points with exponent sign Isign (+1 or -1);
// 0 <= log2Points <= 30.
const ComplexTables& ComplexTablesFor(int log2Points, int Isign);

// The twiddle factors of REALFT's separation step on N = 2^log2Points complex points in
// the direction Isign (1 forward, anything else inverse): w_1 .. w_(N/2), rounded to single
// precision, as interleaved (real, imaginary) pairs: w_p at double index 2 * (p - 1).
const std::vector<double>& SplitTwiddlesFor(int log2Points, int Isign);

}  // namespace quorbel
