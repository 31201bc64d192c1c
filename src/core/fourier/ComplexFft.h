#pragma once
// A complex FFT in double precision for any power-of-two size, for callers that want the
// transform itself rather than the program's FOUR1 (whose twiddle factors are rounded to
// single precision so that its printed spectra come out as they always have).
//
// Layout: `points` complex values, std::complex<double>, in place; the caller owns the
// memory. Transform: value k becomes sum over n of x_n * exp(sign * 2 pi i k n / points),
// sign = +1 or -1, nothing normalised; output point k sits where input point k sat.
// Tables (bit reversal and twiddle factors, about 24 bytes a point) are built on the first
// call for a size and direction and kept; any thread may call.
//
// Accuracy: twiddle factors are computed directly by cos and sin in double precision, so
// errors are about 1e-16 * log2(points) of the largest value.
//
// Preconditions (checked, nothing done otherwise): points is a power of two, 1 .. 2^30.
#include <complex>

namespace quorbel {

void ComplexFft(std::complex<double>* data, int points, int sign);

}  // namespace quorbel
