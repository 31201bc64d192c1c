#pragma once
// The outline of REALFT, shared by the fast REALFT and its plain form so that both take
// the same steps in the same order.
//
// four1(data, N, Isign): the complex transform of the N points in data[1] .. data[2N].
// separate(data, N, c1, c2, theta): the separation step over complex points 1 .. N/2 and
// their mirrors, with twiddle factors walking from exp(i*theta) by TwiddleWalk.
// Contract of the whole: see RealFt.h.

#include "fourier/Twiddles.h"

namespace quorbel {

// One pass of the separation step: complex point p (data[2p+1], data[2p+2]) and its
// mirror N - p, 1 <= p <= N/2, with the twiddle factor w_p = (wrs, wis) in single
// precision. All four values are read before any is written, so the middle point
// (p = N/2, its own mirror) ends up with the values computed for the mirror.
inline void SeparatePoint(double* data, int N, int p, double c1, double c2, double wrs,
                          double wis) {
    const int i1 = 2 * p + 1;
    const int i2 = i1 + 1;
    const int i3 = 2 * (N - p) + 1;
    const int i4 = i3 + 1;
    const double h1r = c1 * (data[i1] + data[i3]);
    const double h1i = c1 * (data[i2] - data[i4]);
    const double h2r = -c2 * (data[i2] + data[i4]);
    const double h2i = c2 * (data[i1] - data[i3]);
    data[i1] = h1r + wrs * h2r - wis * h2i;
    data[i2] = h1i + wrs * h2i + wis * h2r;
    data[i3] = h1r - wrs * h2r + wis * h2i;
    data[i4] = -h1i + wrs * h2i + wis * h2r;
}

template <class Four1, class Separate>
void RealTransform(double* data, int N, int Isign, Four1 four1, Separate separate) {
    const double c1 = 0.5;
    const double c2 = Isign == 1 ? -0.5 : 0.5;
    if (Isign == 1) four1(data, N, 1);
    separate(data, N, c1, c2, SplitAngle(N, Isign));
    // H_0 and H_N are both real, so they share the first complex slot.
    const double h1r = data[1];
    if (Isign == 1) {
        data[1] = h1r + data[2];
        data[2] = h1r - data[2];
    } else {
        data[1] = c1 * (h1r + data[2]);
        data[2] = c1 * (h1r - data[2]);
        four1(data, N, -1);
    }
}

}  // namespace quorbel
