#pragma once
// The butterfly passes of the fast FOUR1, written once for any vector of complex values.
//
// Data: c points to complex point 0 of the zero-based interleaved array (Y + 1 in FOUR1's
// terms), already in bit-reversed order. Twiddles: the ComplexTables::twiddles layout
// (stage `half` at double index 2 * (half - 1), interleaved single-precision pairs).
//
// V describes V::kWidth complex values held in one register V::Reg:
//   Load(p) / Store(p, r)  the kWidth consecutive points at p (no alignment needed);
//   Twiddles(w)            the kWidth consecutive twiddle factors at w;
//   Rotate(b, t)           t_k * b_k rounded exactly as one scalar butterfly rounds it:
//                          real part wr*br - wi*bi, imaginary part wr*bi + wi*br;
//   Add(a, t) / Sub(a, t)  a + t and a - t, part by part;
//   FirstStage(c, points, w)  the stage with half = 1 over `points` points.
//
// This header has no includes on purpose: a file that compiles it for a wider instruction
// set includes it after switching the set on, and keeps every type it instantiates these
// templates with in an unnamed namespace, so no compiled copy is shared between files.

namespace quorbel::fft {

// Sub-transforms of up to this many points (16 KiB of data) are finished stage by stage
// before the next one is started, so they stay in the first-level data cache.
inline constexpr int kBlockPoints = 1024;

// Butterflies between point k and point k + half of the block at a, k = 0 .. half-1, with
// twiddle factor w_k. half is a multiple of V::kWidth.
template <class V>
inline void Combine(double* a, int half, const double* w) {
    double* b = a + 2 * half;
    for (int k = 0; k < 2 * half; k += 2 * V::kWidth) {
        const typename V::Reg t = V::Rotate(V::Load(b + k), V::Twiddles(w + k));
        const typename V::Reg x = V::Load(a + k);
        V::Store(a + k, V::Add(x, t));
        V::Store(b + k, V::Sub(x, t));
    }
}

// One stage over `points` points: every neighbouring pair of sub-transforms of `half`
// points is merged into one of 2 * half points.
template <class V>
inline void Stage(double* c, int points, int half, const double* w) {
    for (int g = 0; g < points; g += 2 * half) Combine<V>(c + 2 * g, half, w);
}

// All stages over `points` points (a power of two, at least 2 * V::kWidth).
//
// A butterfly reads only its own two points and its own twiddle factor, and every
// butterfly of a stage touches different points, so any order that finishes a
// sub-transform before it is merged gives the same numbers as stage after stage over the
// whole array. Large transforms therefore go depth first: both halves completely, then the
// one stage that merges them, so that all but the last few stages run on data that fits
// in the cache.
template <class V>
void Transform(double* c, int points, const double* twiddles) {
    if (points > kBlockPoints) {
        const int half = points / 2;
        Transform<V>(c, half, twiddles);
        Transform<V>(c + 2 * half, half, twiddles);
        Combine<V>(c, half, twiddles + 2 * (half - 1));
        return;
    }
    V::FirstStage(c, points, twiddles);
    for (int half = 2; half < points; half *= 2) {
        Stage<V>(c, points, half, twiddles + 2 * (half - 1));
    }
}

}  // namespace quorbel::fft
