#pragma once
// The FFT graph: one real value per frequency bin from the complex spectrum, and the
// drawings of the single linear graph and of the two half-height graphs. Bin i is
// i Hz for calculated waves (one-second window).
#include "state/DataList.h"
#include "state/Quantity.h"
#include "surface/Surface.h"

namespace quorbel {

// True when every line of spectrumList is a finite number and so is r*r + i*i for
// every point (the modulus graph squares both parts).
bool SpectrumInRange(const DataList& spectrumList);

// The largest of |Re| and |Im| over points 0..N-1 of spectrumList (line 2i+1 is Re,
// line 2i+2 is Im of point i; with the real-data layout line 2 holds the value at
// half the sampling rate and counts as Im of point 0).
double GlobalMaximum(const DataList& spectrumList, int N);

// graphValueList layout: N, v_0..v_(N-1), the scale maximum, "0" (the offset of the
// first point shown). Scale maximum: G for Imaginary, RealGlobal and None (whose
// values are all 0); the largest |v| for Real and Rho.
DataList GraphValues(const DataList& spectrumList, int N, Quantity quantity);

// realPartList / imaginaryPartList: N, the parts of points 0..N-1, G.
DataList PartList(const DataList& spectrumList, int N, bool imaginary, double G);

// Where the linear trace's axis and its scale maximum lie on a graph H twips high.
inline double LinearTraceAxis(double H) {
    return H * 2 / 3;
}
inline double LinearTraceTop(double H) {
    return H / 8;
}

// The linear trace of displayedValueList on the FFT graph (axis at 2/3 of the
// height, the scale maximum at 1/8 from the top, dark red). Returns the axis height
// yzero for the scale. A scale maximum of 0 draws the trace on the axis.
double DrawLinearTrace(Surface& pic, const DataList& displayedValueList);

// The axis at y0 across the whole width and the trace of displayedValueList with its
// scale maximum at ytop, not rounded to whole twips.
void DrawTraceBetween(Surface& pic, const DataList& displayedValueList, double y0, double ytop);

// The two half-height graphs: imaginary parts on pic8 and real parts on pic9, both
// scaled by the global maximum, with titles and a bin scale on pic8.
void DrawTwoGraphs(Surface& pic8, Surface& pic9, const DataList& imaginaryPartList,
                   const DataList& realPartList);

}  // namespace quorbel
