#pragma once
// The twiddle factors of the transforms, shared by every implementation of FOUR1 and
// REALFT so that all of them compute the very same numbers.
//
// TwiddleWalk produces w_p = exp(i * p * theta) for p = 0, 1, 2, ... (theta in radians),
// starting at w_0 = 1, by a recurrence in double precision; the butterflies take each
// w_p rounded to single precision (RealSingle, ImagSingle: floats widened back to double).

#include <cmath>

#include "state/Pi.h"

namespace quorbel {

// Angle step of the butterfly stage that merges pairs of transforms of mmax/2 complex
// points into transforms of mmax points: one turn divided among the mmax points, with the
// sign of the transform's exponent (Isign = +1 or -1).
inline double StageAngle(int mmax, int Isign) {
    return kTwoPi / (mmax * Isign);
}

// Angle step of REALFT's separation step on N complex points: half a turn divided among
// them, positive for the forward transform (Isign = 1), negative otherwise.
inline double SplitAngle(int N, int Isign) {
    const double theta = kPi / N;
    return Isign == 1 ? theta : -theta;
}

class TwiddleWalk {
  public:
    explicit TwiddleWalk(double theta) {
        const double halfSine = std::sin(0.5 * theta);
        wpr_ = -2.0 * (halfSine * halfSine);
        wpi_ = std::sin(theta);
    }

    // The current twiddle factor rounded to single precision. This rounding sets the
    // accuracy of every spectrum value the program shows (about 1e-7 of the largest
    // value), and every implementation must round exactly here to give the same numbers.
    double RealSingle() const { return static_cast<float>(wr_); }
    double ImagSingle() const { return static_cast<float>(wi_); }

    // w_(p+1) = w_p + w_p * (exp(i*theta) - 1), with exp(i*theta) - 1 written as
    // -2 sin^2(theta/2) + i sin(theta): the small real part keeps its precision, where
    // cos(theta) - 1 would cancel.
    void Advance() {
        const double wtemp = wr_;
        wr_ = (wr_ * wpr_ - wi_ * wpi_) + wr_;
        wi_ = (wi_ * wpr_ + wtemp * wpi_) + wi_;
    }

  private:
    double wpr_;
    double wpi_;
    double wr_ = 1.0;
    double wi_ = 0.0;
};

}  // namespace quorbel
