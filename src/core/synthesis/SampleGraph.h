#pragma once
#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// The largest number of samples the f(t) graph reads back (indices 0..32768).
inline constexpr int kMaxGraphSamples = 32769;

// Draws the "Graph of f (t)" from the text of sampleList, so the plotted values
// carry the rounding of the number text. The largest absolute value reaches three
// quarters of the half height; a zero function (largest value 0) is drawn on the
// middle line. `points` draws isolated dark blue points, otherwise they are joined.
void DrawSampleGraph(Surface& pic, const DataList& sampleList, bool points);

}  // namespace quorbel
