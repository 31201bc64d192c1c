#pragma once
// The FFT graph in decibels and a spectrum held under it. Only the drawing changes:
// the data lists keep the values of the transform. Positions are twips on the graph.
#include <string>
#include <vector>

#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// The floor a graph in decibels starts with, and the lowest one a user may set.
inline constexpr double kDefaultFloorDb = -100;
inline constexpr double kLowestFloorDb = -1000;
// The grey of a held trace.
inline constexpr Color kHeldTraceColor = Rgb(160, 160, 160);

// 20 log10(|value| / reference), never below floorDb (a value of 0, or a reference
// that is no positive number, lies on the floor). 0 dB is the reference itself.
double DecibelLevel(double value, double reference, double floorDb);

// A displayed list (N, values, scale maximum, offset) as the decibel graph draws it:
// each value becomes its level above the floor, the scale maximum -floorDb, so that
// the floor lies on the graph's axis and 0 dB where the linear scale maximum lies.
DataList DecibelList(const DataList& displayed, double reference, double floorDb);

// The value scale of the decibel graph at its left edge: 0 dB at ytop down to the
// floor at y0, a label every 10, 20 or 50 ... dB.
void DrawDecibelScale(Surface& pic, double y0, double ytop, double floorDb);

// A spectrum kept to be drawn under the next ones: the frequency of each point and
// its value as the graph's list held it, and the words its legend says.
struct HeldSpectrum {
    std::vector<double> hertz;
    std::vector<double> values;
    std::string name;
};

// Where the graph shown lies: its first point's frequency, the hertz from one point
// to the next and the number of points across the width.
struct SpectrumAxis {
    double firstHertz = 0, binHertz = 1;
    int points = 0;
    double XOf(double hertz, double width) const {
        return points > 1 ? (hertz - firstHertz) / binHertz * width / (points - 1) : 0;
    }
};

// The largest |value| of the held points on the axis shown (every point with `whole`).
double LargestHeld(const HeldSpectrum& held, const SpectrumAxis& axis, bool whole);

// `displayed` with the scale maximum M instead of its own.
DataList WithScaleMaximum(const DataList& displayed, double M);

// The held trace in grey on the axis shown; `level` turns a held value into the
// height above the axis y0 in the units whose scale maximum M lies at ytop. Heights
// are kept within the graph. Points off the axis's frequencies are left out (the
// segments that cross an edge are drawn to it).
template <class Level>
void DrawHeldTrace(Surface& pic, const HeldSpectrum& held, const SpectrumAxis& axis, double y0,
                   double ytop, double M, Level level);

// The legend over the graph: a short line of each trace's colour and its words.
void DrawTraceLegend(Surface& pic, const std::vector<std::pair<Color, std::string>>& entries);

// The y of `height` (in units whose scale maximum M lies at ytop) above y0, within
// the graph's top edge and the bottom of a graph of height H.
double ClampedY(double height, double y0, double ytop, double M, double H);

template <class Level>
void DrawHeldTrace(Surface& pic, const HeldSpectrum& held, const SpectrumAxis& axis, double y0,
                   double ytop, double M, Level level) {
    const double W = pic.Width(), H = pic.Height();
    const size_t n = std::min(held.hertz.size(), held.values.size());
    bool started = false;
    double px = 0, py = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = axis.XOf(held.hertz[i], W);
        const double y = ClampedY(level(held.values[i]), y0, ytop, M, H);
        // A segment is drawn when either end lies on the graph.
        if (started && (x >= 0 || px >= 0) && (x <= W || px <= W))
            pic.Line(px, py, x, y, kHeldTraceColor);
        started = true;
        px = x;
        py = y;
        if (x > W) break;
    }
}

}  // namespace quorbel
