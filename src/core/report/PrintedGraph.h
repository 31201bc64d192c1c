#pragma once
// The printed FFT graph: the part of the spectrum graph shown in the main window, with
// its frequency scale, grid, titles and border, drawn on a printer page in absolute
// twips from the top-left of the printable area. The printed report follows it on the
// same page.
#include "state/DataList.h"
#include "surface/Surface.h"

namespace quorbel {

// Page layout, twips.
struct PrintedGraphLayout {
    static constexpr double x0 = 1000;       // left end of the plot, x of the first point
    static constexpr double W = 10000;       // plot width
    static constexpr double y0 = 6000;       // zero line
    static constexpr double yTop = 2000;     // height of the scale maximum
    static constexpr double gridTop = 1500;  // top of the frame, first grid line
    static constexpr double gridStep = 225;  // distance of the 20 horizontal grid lines
};

inline constexpr Color kPrintedGridColor = Rgb(128, 255, 255);

// Where the frequency labels come from. Calculated waves label bins (one per hertz);
// raw data labels hertz, the window of totalPoints samples lasting
// totalPoints / samplingRate seconds.
struct PrintedScale {
    bool rawData = false;
    double totalPoints = 0;
    double samplingRate = 0;  // cyclesPerSecond, which holds the file's rate for raw data
};

// Draws the graph of displayedValueList (line 0 = n, lines 1..n = the values shown,
// line n+1 = the scale maximum M, line n+2 = the first bin shown) with its scale,
// titles, frame and border. Leaves the current point at the lower right corner of the
// border, so text printed next starts below it.
void DrawPrintedGraph(Surface& page, const DataList& displayedValueList, const PrintedScale& scale);

}  // namespace quorbel
