#pragma once
#include <vector>

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

// The grey of the window function's shape over the f(t) graph.
inline constexpr Color kWindowShapeColor = Rgb(160, 160, 160);

// The shape of a window function over the f(t) graph of n samples: weight k at the
// x of sample k (the step of DrawSampleGraph), a weight of 1 at the top edge and 0 at
// the bottom, joined by a thin grey line. Draws nothing for fewer than two weights.
void DrawWindowShape(Surface& pic, const std::vector<double>& weights, int n);

}  // namespace quorbel
