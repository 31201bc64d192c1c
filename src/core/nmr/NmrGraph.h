#pragma once
// The graphs of the NMR window, drawn on any Surface: the spectrum's real part on a ppm
// axis that runs right to left (highest ppm on the left, as chemists read it), and the
// FID with the apodization curve over it. The plot fills the surface but for a band at
// the bottom that holds the axis numbers.
#include <complex>
#include <functional>
#include <vector>

#include "nmr/NmrProcessing.h"
#include "surface/Surface.h"
#include "worksheet/Worksheet.h"

namespace quorbel::nmr {

// Height of the band of axis numbers under the plot, twips.
inline constexpr double kAxisBand = 330;

// What part of the spectrum the graph shows.
struct SpectrumView {
    double leftPpm = 0, rightPpm = 0;  // ppm at the left and right edges (left > right)
    double bottom = 0, top = 0;        // real-part values at the plot's bottom and top
};

// The whole spectrum, its real part filling the height with a little room.
SpectrumView WholeView(const Spectrum& spectrum);

// ppm at x twips of a surface `width` twips wide, and back (a named pair).
double PpmAtX(const SpectrumView& view, double width, double x);
double XOfPpm(const SpectrumView& view, double width, double ppm);
// The plot's y (twips) of a real-part value on a surface `height` twips high.
double YOfValue(const SpectrumView& view, double height, double value);

// The real part in `view`: one vertical stroke per pixel column from its least to its
// greatest value (so a 128 k-point spectrum costs a pass, not 128 k lines), and the ppm
// axis with round numbers. `regions` (pairs of ppm) are shaded under the trace.
void DrawSpectrum(Surface& surface, const Spectrum& spectrum, const SpectrumView& view,
                  const std::vector<std::pair<double, double>>& regions = {});

// The FID's real (blue) and imaginary (red) parts against time, and the apodization
// weights (green) scaled to the largest magnitude.
void DrawFid(Surface& surface, const std::vector<std::complex<double>>& fid,
             const std::vector<double>& weights);

// The spectrum graph as a worksheet picture: `title`, ppm axis, value axis, the graph.
WorksheetPicture SpectrumWorksheet(const Spectrum& spectrum, const SpectrumView& view,
                                   const std::string& title);

}  // namespace quorbel::nmr
