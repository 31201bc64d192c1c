#pragma once
// Sampling of the test functions into the layout of sampleList:
//   line 0        N, the total number of points
//   lines 1..M    f_0 .. f_(M-1), the samples that carry the function
//   lines M+1..N  "0", the zero complement of a halved window
//   line N+1      the largest absolute sample (0 when M is 0)
// Sample k stands for t_k = k/N seconds, so the N points span one second and a wave
// of nu cycles per second completes nu periods over the window. Angles use the
// decimal constant 3.14159265358979 for pi, as the results shown to the user do.
#include <array>
#include <vector>

#include "state/DataList.h"
#include "state/Pi.h"

namespace quorbel {

// Said when samples or their transform leave the range of doubles.
inline constexpr const char* kValuesOutOfRange =
    "The function's values exceed the range of numbers; use smaller amplitudes or frequencies.";

struct WaveRow {
    double a = 0;    // amplitude
    double b = 0;    // frequency multiplier
    double phi = 0;  // phase, radians
};

// Sum over the ten rows of a*sin(b*x + phi) ("Sin") or a*cos(b*x + phi) ("Cos"),
// accumulated in row order; a row with a = 0 adds nothing.
DataList MultipleWaveSamples(int N, int M, double nu, const std::array<WaveRow, 10>& rows,
                             bool sine);

// Unit sine sin(x_k), x_k = delta*k + phi.
DataList SineSamples(int N, int M, double nu, double phi);
// +1 where sin(x_k) >= 0 (so +1 where the sine is exactly 0), else -1; the largest
// absolute value is written as 1.
DataList SquareSamples(int N, int M, double nu, double phi);
// Triangular wave between +1 and -1, in phase with the sine for phi = 0.
DataList TriangularSamples(int N, int M, double nu, double phi);

// The samples f_0 .. f_(M-1) of the four functions above alone, as numbers: the
// window's sampleList holds them as text; the sound of the function is made of them
// at a rate of N samples per second.
std::vector<double> MultipleWaveValues(int N, int M, double nu, const std::array<WaveRow, 10>& rows,
                                       bool sine);
std::vector<double> SineValues(int N, int M, double nu, double phi);
std::vector<double> SquareValues(int N, int M, double nu, double phi);
std::vector<double> TriangularValues(int N, int M, double nu, double phi);

}  // namespace quorbel
