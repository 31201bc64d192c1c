#pragma once
// What a chemist measures on a phased spectrum: integrals of regions (over an optional
// polynomial baseline), the nearest peak to a place, and two cursors' distance.
#include <optional>
#include <utility>
#include <vector>

#include "nmr/NmrProcessing.h"

namespace quorbel::nmr {

// A region between two ppm values, in either order.
using PpmRange = std::pair<double, double>;

// The baseline: a polynomial of `degree` in the point index fitted by least squares to
// the real part outside every region (every 16th point), evaluated at every point.
// Zeros when too few points lie outside.
std::vector<double> PolynomialBaseline(const Spectrum& spectrum,
                                       const std::vector<PpmRange>& regions, int degree = 3);

// The integral of the real part over each region (sum of the points within, times the
// point spacing in ppm), less `baseline` when it is not empty.
std::vector<double> Integrals(const Spectrum& spectrum, const std::vector<PpmRange>& regions,
                              const std::vector<double>& baseline);

// The integrals scaled so that region `reference` is `count` (hydrogens); nothing when
// that region's integral is zero or absent.
std::optional<std::vector<double>> Normalised(const std::vector<double>& integrals,
                                              std::size_t reference, double count);

// The point of the highest real value within `reach` points of `point`.
int NearestPeak(const Spectrum& spectrum, double point, int reach);

}  // namespace quorbel::nmr
