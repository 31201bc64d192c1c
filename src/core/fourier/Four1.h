#pragma once
// Complex radix-2 FFT, in place, on a one-based interleaved array.
//
// Layout: Y[1] .. Y[2*NN] hold NN complex points, real part of point k at Y[2k+1] and
// imaginary part at Y[2k+2] (k = 0 .. NN-1). Y[0] is never read or written, so a caller
// may pass the data() of a std::vector<double> of size 2*NN + 1. The caller owns the
// memory; FOUR1 touches no element outside Y[1] .. Y[2*NN]. The first call for a size and
// direction builds tables (bit-reversal swaps and twiddle factors, about 20*NN bytes) that
// are kept for later calls; after that FOUR1 allocates nothing.
//
// Transform: with Isign = +1 the points h_k are replaced by
//     H_n = sum over k = 0 .. NN-1 of h_k * exp(+2*pi*i*n*k / NN),   n = 0 .. NN-1;
// with Isign = -1 the exponent is negative, which gives NN times the inverse transform.
// Nothing is normalised in either direction. Output point n sits where input point n sat;
// points n > NN/2 stand for the negative frequencies n - NN.
//
// Accuracy: the twiddle factors are rounded to single precision, so the result carries
// relative errors of about 1e-7 of the largest value.
//
// Preconditions (not checked): NN is a power of two (NN >= 1), Isign is +1 or -1.

namespace quorbel {

void FOUR1(double* Y, int NN, int Isign);

}  // namespace quorbel
