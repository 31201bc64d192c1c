#pragma once
// One complex point per step: the plain butterfly the passes of FftPasses.h are written
// for at any width, shared by the program's FOUR1 and the double-precision transform.
// In an unnamed namespace, like every type those templates are instantiated with, so no
// compiled copy is shared between files built for different instruction sets.

namespace quorbel {
namespace {

struct ScalarPoint {
    static constexpr int kWidth = 1;
    struct Reg {
        double re;
        double im;
    };
    static Reg Load(const double* p) { return {p[0], p[1]}; }
    static void Store(double* p, Reg v) {
        p[0] = v.re;
        p[1] = v.im;
    }
    static Reg Twiddles(const double* w) { return {w[0], w[1]}; }
    static Reg Rotate(Reg b, Reg t) {
        return {t.re * b.re - t.im * b.im, t.re * b.im + t.im * b.re};
    }
    static Reg Add(Reg a, Reg t) { return {a.re + t.re, a.im + t.im}; }
    static Reg Sub(Reg a, Reg t) { return {a.re - t.re, a.im - t.im}; }
};

}  // namespace
}  // namespace quorbel
