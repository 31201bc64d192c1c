#pragma once
// From FID to spectrum, as the instrument's software does it, step by step:
//   1. apodization of the FID, t = n / SW_h seconds at point n:
//        exponential (WDW 1)  w(t) = exp(-pi LB t);
//        Gaussian (WDW 2)     w(t) = exp(-a t - b t^2), a = pi LB, b = -a / (2 GB AQ),
//                             with LB negative (hertz), GB a fraction of the acquisition
//                             time AQ = (points of the FID) / SW_h;
//   2. zero filling (or truncation) to SI complex points;
//   3. the transform of the complex conjugate of the FID, shifted so that the highest ppm
//      comes first (point k = 0);
//   4. the digital filter's group delay removed as the linear phase exp(i 2 pi GRPDLY k / SI);
//   5. the phase correction exp(i phi(k)), phi(k) = PHC0 + PHC1 k / SI degrees;
//   6. the ppm axis ppm(k) = OFFSET - k SW_h / (SF SI).
// Everything in double precision. Nothing is scaled.
#include <complex>
#include <vector>

#include "nmr/NmrFid.h"

namespace quorbel::nmr {

struct Spectrum {
    std::vector<std::complex<double>> points;  // highest ppm first
    double offsetPpm = 0.0;                    // ppm of point 0
    double ppmPerPoint = 0.0;                  // SW_h / (SF SI)
    double sf = 0.0;                           // megahertz

    double Ppm(double k) const { return offsetPpm - k * ppmPerPoint; }
    // The (fractional) point at `ppm`.
    double PointAt(double ppm) const { return (offsetPpm - ppm) / ppmPerPoint; }
    int Size() const { return static_cast<int>(points.size()); }
};

// Why `p` cannot process a FID of `points` points at `sweepHz` (SI not a power of two
// from 16 to kMaxSpectrumSize, SF not positive, GB outside 0 .. 1 for the Gaussian window,
// numbers not finite), or nothing.
std::optional<std::string> ProcessingError(const Processing& p);

// The apodization weight of FID point n (step 1), for a FID of `points` points.
double ApodizationWeight(const Processing& p, double sweepHz, int points, int n);

// Steps 1-6 with the parameters given; `out` is reused (its buffer keeps its capacity).
// `p` must pass ProcessingError.
void ProcessInto(const Fid& fid, const Processing& p, Spectrum& out);

// The same, returning the spectrum.
Spectrum Process(const Fid& fid, const Processing& p);

// Step 5 alone on a spectrum: multiplies point k by exp(i (phc0 + phc1 k / SI) degrees).
void RotatePhase(std::vector<std::complex<double>>& points, double phc0, double phc1);

// When the user turns PHC1 by `delta` about the point `pivot`, PHC0 changes so that the
// pivot's phase stays put: returns the new PHC0 = phc0 - delta * pivot / SI.
double PhaseZeroForPivot(double phc0, double delta, double pivot, int size);

}  // namespace quorbel::nmr
