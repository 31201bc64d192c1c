#pragma once
// Automatic phase correction: the PHC0 and PHC1 that make the real part purely absorptive,
// found by minimising the entropy of its first derivative with a penalty on negative
// values (a sharp, positive, flat-based spectrum has the least).
#include <complex>
#include <vector>

#include "nmr/NmrProcessing.h"

namespace quorbel::nmr {

struct Phases {
    double phc0 = 0.0;  // degrees, -180 .. 180
    double phc1 = 0.0;  // degrees over the whole spectrum
};

// The phases for the spectrum of `fid` processed with `p` (its own phases ignored).
Phases AutoPhase(const Fid& fid, const Processing& p);

// The same for spectrum points not yet phased (group delay already removed).
Phases AutoPhasePoints(const std::vector<std::complex<double>>& points);

// The criterion minimised, for the points turned by (phc0, phc1): lower is better phased.
double PhaseCost(const std::vector<std::complex<double>>& points, double phc0, double phc1);

}  // namespace quorbel::nmr
