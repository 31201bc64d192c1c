#pragma once
// A FID made from lines, for teaching: each line a damped complex oscillation at its
// offset from the carrier, its decay time T2 set by its width (FWHM = 1 / (pi T2)), split
// into a first-order multiplet by equivalent neighbours (n + 1 lines J hertz apart with
// binomial intensities), plus Gaussian noise. The first point is halved, as the instrument
// does, so that the spectrum has no offset.
#include <cstdint>
#include <vector>

#include "nmr/NmrFid.h"

namespace quorbel::nmr {

struct SimulatedLine {
    double ppm = 0.0;
    double amplitude = 1.0;   // of the whole multiplet
    double widthHz = 1.0;     // full width at half height of each of its lines
    int neighbours = 0;       // n equivalent neighbours: n + 1 lines
    double couplingHz = 0.0;  // J
    double t2 = 0.0;          // when the width was given as T2, seconds; 0 otherwise
};

struct Simulation {
    std::vector<SimulatedLine> lines;
    double sweepHz = 6000.0;
    double sf = 400.0;       // MHz
    double centrePpm = 5.0;  // the carrier
    int points = 16384;      // complex points of the FID
    double noise = 0.0;      // standard deviation of each part, per point
    std::uint32_t seed = 1;
};

// The FID, with stored processing: SI the power of two at least twice the points, no
// apodization (LB 0.3 Hz ready for the exponential window), no phase, so that a line's
// width is the one it was given.
Fid SimulateFid(const Simulation& simulation);

// The lines of the teaching example: ethanol in CDCl3 at 400 MHz (a CH3 triplet at 1.22,
// a CH2 quartet at 3.69, the OH singlet at 2.61, J = 7 Hz), with TMS at 0.
Simulation EthanolExample();

}  // namespace quorbel::nmr
