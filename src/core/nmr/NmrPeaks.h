#pragma once
// Peaks of a phased spectrum's real part, and the measurements a chemist makes on them.
#include <vector>

#include "nmr/NmrProcessing.h"

namespace quorbel::nmr {

struct Peak {
    int index = 0;  // point of the spectrum
    double ppm = 0.0;
    double hz = 0.0;      // ppm * SF: hertz from the reference
    double height = 0.0;  // the real part there
};

// Local maxima of the real part (higher than the point before, not lower than the one
// after) at least `fraction` of the largest value, strongest first, at most `limit`.
std::vector<Peak> PickPeaks(const Spectrum& spectrum, double fraction = 0.05, int limit = 64);

// The full width at half height of the peak at `index`, ppm, from the real part (the half
// height found by linear interpolation on each side); 0 when a side does not fall to
// half within the spectrum.
double WidthAtHalfHeight(const Spectrum& spectrum, int index);

// Signal to noise: the peak's height over the standard deviation of the real part in the
// noise region (points first .. last, at least 8 of them), the usual 2 sigma convention
// not applied. 0 when the region is too small or flat.
double SignalToNoise(const Spectrum& spectrum, int peak, int first, int last);

}  // namespace quorbel::nmr
