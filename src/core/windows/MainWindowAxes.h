#pragma once
// The axes "View", "Axes" adds to the main window's graphs, drawn by the worksheet
// layer's axis code (Worksheet.h) with the ticks of the window's worksheet pictures.
#include "surface/Surface.h"

namespace quorbel {

class MainWindowModel;

// The margins f(t) leaves for its scales while axes are shown, twips: the amplitude
// numbers left of the graph, the time numbers below it.
inline constexpr double kFtAxisLeft = 720, kFtAxisBottom = 330;

// The f(t) graph on the window's picture `pic`: the window's own drawing over the
// whole picture, or, while axes are shown, the same drawing made on the part of it
// inside the margins (a smaller graph, laid out as the window lays it out) with a
// time scale below and an amplitude scale on its left.
void DrawFtOnScreen(const MainWindowModel& window, Surface& pic);

// The FFT graph's value scale along the left edge of `pic`, over the linear graph
// just drawn there, while axes are shown; the graph's own frequency scale and
// everything else stay where they are. Nothing otherwise.
void DrawFftAxes(const MainWindowModel& window, Surface& pic);

}  // namespace quorbel
