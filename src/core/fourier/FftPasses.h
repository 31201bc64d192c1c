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
//   FirstStages(c, points, w)  (only where kWidth > 1) the first stages over `points`
//                          points, up to sub-transforms of at least kWidth points; returns
//                          the half of the next stage.
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

// Two stages at once: the butterflies of stage `half` and of stage 2 * half over the block
// of 4 * half points at a, each point loaded and stored once for both. w1 and w2 are the
// factors of the two stages. The butterflies and their factors are those of the two
// stages run one after the other, so are the numbers.
template <class V>
inline void CombineTwice(double* a, int half, const double* w1, const double* w2) {
    double* b = a + 2 * half;
    double* c = b + 2 * half;
    double* d = c + 2 * half;
    for (int k = 0; k < 2 * half; k += 2 * V::kWidth) {
        const typename V::Reg w = V::Twiddles(w1 + k);
        const typename V::Reg x0 = V::Load(a + k);
        const typename V::Reg t1 = V::Rotate(V::Load(b + k), w);
        const typename V::Reg x2 = V::Load(c + k);
        const typename V::Reg t3 = V::Rotate(V::Load(d + k), w);
        const typename V::Reg y0 = V::Add(x0, t1);
        const typename V::Reg y1 = V::Sub(x0, t1);
        const typename V::Reg u2 = V::Rotate(V::Add(x2, t3), V::Twiddles(w2 + k));
        const typename V::Reg u3 = V::Rotate(V::Sub(x2, t3), V::Twiddles(w2 + 2 * half + k));
        V::Store(a + k, V::Add(y0, u2));
        V::Store(b + k, V::Add(y1, u3));
        V::Store(c + k, V::Sub(y0, u2));
        V::Store(d + k, V::Sub(y1, u3));
    }
}

// The factors of stage `half` within the table. Static like the templates' instances, so
// that each file keeps the copy compiled for its own instruction set.
static inline const double* StageTwiddles(const double* twiddles, int half) {
    return twiddles + 2 * (half - 1);
}

// All stages over `points` points (a power of two, at least 2 * V::kWidth).
//
// A butterfly reads only its own two points and its own twiddle factor, and every
// butterfly of a stage touches different points, so any order that finishes a
// sub-transform before it is merged gives the same numbers as stage after stage over the
// whole array. Large transforms therefore go depth first: the four quarters completely,
// then the two stages that merge them, so that all but the last few stages run on data
// that fits in the cache. Stages go two at a time wherever they can, which halves the
// loads and stores.
template <class V>
void Transform(double* c, int points, const double* twiddles) {
    if (points > kBlockPoints) {
        const int quarter = points / 4;
        for (int q = 0; q < 4; ++q) Transform<V>(c + 2 * q * quarter, quarter, twiddles);
        CombineTwice<V>(c, quarter, StageTwiddles(twiddles, quarter),
                        StageTwiddles(twiddles, 2 * quarter));
        return;
    }
    int half = 1;
    if constexpr (V::kWidth > 1) half = V::FirstStages(c, points, twiddles);
    for (; 4 * half <= points; half *= 4) {
        for (int g = 0; g < points; g += 4 * half) {
            CombineTwice<V>(c + 2 * g, half, StageTwiddles(twiddles, half),
                            StageTwiddles(twiddles, 2 * half));
        }
    }
    if (half < points) {
        for (int g = 0; g < points; g += 2 * half) {
            Combine<V>(c + 2 * g, half, StageTwiddles(twiddles, half));
        }
    }
}

}  // namespace quorbel::fft
