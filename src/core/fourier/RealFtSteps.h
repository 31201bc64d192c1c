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
