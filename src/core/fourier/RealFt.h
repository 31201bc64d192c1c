#pragma once
// Real-data FFT, in place, on a one-based array, built on FOUR1 with N complex points.
//
// Layout: data[1] .. data[2*N] hold 2N doubles; data[0] is never read or written, so a
// caller may pass the data() of a std::vector<double> of size 2*N + 1. The caller owns
// the memory; REALFT touches no element outside data[1] .. data[2*N]. Like FOUR1, the first
// call for a size and direction builds tables that are kept (about 28*N bytes); after that
// REALFT allocates nothing.
//
// Forward (Isign = 1): the input is 2N real samples h_0 .. h_(2N-1). The output holds the
// non-negative frequencies of
//     H_n = sum over k = 0 .. 2N-1 of h_k * exp(+2*pi*i*n*k / (2N)),
// packed as data[1] = H_0 (real), data[2] = H_N (real, half the sampling rate), and
// data[2n+1], data[2n+2] = Re H_n, Im H_n for n = 1 .. N-1. The negative frequencies are
// the complex conjugates and are not stored. Not normalised.
//
// Inverse (any Isign other than 1): the input is a spectrum packed as above; the output is
// N times the 2N real samples whose transform it is (the caller divides by N).
//
// Accuracy: twiddle factors are rounded to single precision, as in FOUR1.
//
// Preconditions (not checked): N is a power of two, N >= 1.

namespace quorbel {

void REALFT(double* data, int N, int Isign);

}  // namespace quorbel
