#include "fourier/RealFt.h"

#include <cmath>

#include "fourier/Four1.h"

namespace quorbel {

namespace {

// Half a turn in radians, as the 15-digit decimal the transform has always used.
constexpr double kPi = 3.14159265358979;

// Separates (forward) or recombines (inverse) the transforms of the even and odd samples.
// Complex point p of the packed array and its mirror N - p are handled together, p = 1 ..
// N/2; the last pass (p = N/2) pairs the middle point with itself, and since its twiddle
// factor is practically i the point keeps its value.
void SeparateHalves(double* data, int N, double c1, double c2, double theta) {
    const double halfSine = std::sin(0.5 * theta);
    const double wpr = -2.0 * (halfSine * halfSine);
    const double wpi = std::sin(theta);
    double wr = 1.0 + wpr;
    double wi = wpi;
    const int n2p3 = 2 * N + 3;
    for (int i = 2; i <= N / 2 + 1; ++i) {
        const int i1 = 2 * i - 1;
        const int i2 = i1 + 1;
        const int i3 = n2p3 - i2;
        const int i4 = i3 + 1;
        // Single-precision twiddle factors, as in FOUR1: the shown values carry this
        // rounding.
        const double wrs = static_cast<float>(wr);
        const double wis = static_cast<float>(wi);
        const double h1r = c1 * (data[i1] + data[i3]);
        const double h1i = c1 * (data[i2] - data[i4]);
        const double h2r = -c2 * (data[i2] + data[i4]);
        const double h2i = c2 * (data[i1] - data[i3]);
        data[i1] = h1r + wrs * h2r - wis * h2i;
        data[i2] = h1i + wrs * h2i + wis * h2r;
        data[i3] = h1r - wrs * h2r + wis * h2i;
        data[i4] = -h1i + wrs * h2i + wis * h2r;
        const double wtemp = wr;
        wr = (wr * wpr - wi * wpi) + wr;
        wi = (wi * wpr + wtemp * wpi) + wi;
    }
}

}  // namespace

// The 2N real samples are read as N complex points (even samples as real parts, odd
// samples as imaginary parts), so one complex FFT of half the length does the work; the
// separation step then untangles the two interleaved transforms.
void REALFT(double* data, int N, int Isign) {
    double theta = kPi / N;
    const double c1 = 0.5;
    double c2;
    if (Isign == 1) {
        c2 = -0.5;
        FOUR1(data, N, 1);
    } else {
        c2 = 0.5;
        theta = -theta;
    }
    SeparateHalves(data, N, c1, c2, theta);
    // H_0 and H_N are both real, so they share the first complex slot.
    const double h1r = data[1];
    if (Isign == 1) {
        data[1] = h1r + data[2];
        data[2] = h1r - data[2];
    } else {
        data[1] = c1 * (h1r + data[2]);
        data[2] = c1 * (h1r - data[2]);
        FOUR1(data, N, -1);
    }
}

}  // namespace quorbel
