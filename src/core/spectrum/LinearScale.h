#pragma once
// The linear frequency scale under the FFT graph and the graph's legend.
//
// Positions are twips on the graph surface, derived from its Width(); labels are bin
// numbers, which are frequencies in hertz for the one-second window of calculated
// waves.
#include <string>

#include "surface/Surface.h"

namespace quorbel {

// Draws the ruler, the ticks and the bin labels for `ftnpont` points whose first
// shown point is bin `Nzero`, under the axis at height `yzero` (twips), starting at
// `xmin` (0 on every caller).
//
// Point k (bin index, Nzero <= k <= Nzero + ftnpont - 1) lies at x = W / (ftnpont - 1)
// * (k - Nzero), with W = pic.Width(). Below 100 points every point gets a minor tick,
// every fifth a medium and every tenth a labelled major tick; from 100 points on the
// steps are 10, 50 and 100 bins. Medium ticks are labelled too when 100 <= ftnpont <
// 300, and every point is labelled below 20 points. A single point (ftnpont == 1) puts
// its ticks at x 0. Labels are printed in the surface's current font and leave the
// current point at the start of the following text line.
void Escala_Lin(Surface& pic, int ftnpont, int Nzero, double xmin, double yzero);

// A scale label hanging from a tick that ends at (x, y): the number k printed as " k ",
// started left of the tick from two digits on, and moved inside the surface's width
// where it would run over an edge.
void LabelAtTickEnd(Surface& pic, int k, double x, double y);
// The text of that label, " k " as Print writes a number (no blank before a minus).
std::string ScaleLabelText(int k);
// How far left of its tick the label of k starts: 0 for one digit, 120 twips for
// two, 180 from three digits on.
double LabelOffset(int k);
// Where LabelAtTickEnd starts the text of k for a tick at x, in the current font:
// LabelOffset(k) left of the tick, moved inside [0, Width()] at the surface's edges.
double LabelStart(const Surface& pic, int k, double x);

// Distances below the axis, in twips, shared by the scales of calculated waves and of
// raw data: the ruler is the band between kRulerTop and kRulerBottom; minor ticks span
// it, medium ticks reach kMediumEnd and major ticks kMajorEnd, and a label hangs from
// the end of its tick.
inline constexpr double kRulerTop = 200;
inline constexpr double kRulerBottom = 280;
inline constexpr double kMediumEnd = 380;
inline constexpr double kMajorEnd = 460;

// Clears the graph surface and writes its title, "Graph of Fourier Transform F(ν)
// (FFT)", and the axis caption "Frequency (Hz)". The ν is the letter "n" printed in the
// "Symbol" font; the toolkit layer draws it as the Greek letter. Leaves the surface in
// "MS Sans Serif" 8 points, not bold, which the scale labels then use.
void LegendaPic1(Surface& pic);

}  // namespace quorbel
