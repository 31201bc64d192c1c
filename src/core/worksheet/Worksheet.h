#pragma once
// Pictures for a worksheet: a graph as the window draws it, framed for paper by one
// layer that is the same for every graph. The layer puts a white ground, a title over
// the graph, a frame round it, both axes with their quantity and unit and ticks at
// round numbers, and the marks the window shows over the graph; the graph itself is
// drawn by the window's own code through a ViewportSurface (ViewportSurface.h).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "surface/Surface.h"
#include "surface/ViewportSurface.h"

namespace quorbel {

// One tick of an axis: where along the plot (twips from the plot's left or top edge)
// and its number as printed.
struct AxisTick {
    double position = 0;
    std::string label;
};

struct WorksheetAxis {
    std::string title;  // quantity and unit, e.g. "time (s)"
    std::vector<AxisTick> ticks;
};

// The ticks of a linear axis on which value a lies at position pa and value b at pb:
// round numbers (1, 2 or 5 times a power of ten apart, about `count` of them) whose
// positions lie between `from` and `to`. No ticks when a == b or pa == pb.
std::vector<AxisTick> LinearTicks(double a, double pa, double b, double pb, double from, double to,
                                  int count = 6);

// The step of round numbers for a span of values: 1, 2 or 5 times a power of ten,
// giving about `count` steps.
double RoundStep(double span, int count);

// A line or a text the window shows over the graph (harmonic markers, the peak mark),
// in the graph's own twips.
struct WorksheetMark {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = colors::kBlack;
    std::string text;  // printed from (x2, y2), its top-left corner, when not empty
};

// A colour legend beside the plot: the colours of the values low..high, bottom to top,
// ticked at round numbers.
struct WorksheetColourScale {
    std::string title;  // quantity and unit, e.g. "level (dB)"
    double low = 0, high = 0;
    std::function<Color(double)> colour;
};

struct WorksheetPicture {
    std::string title;
    WorksheetAxis x;  // along the bottom edge
    WorksheetAxis y;  // along the left edge; its title stands above it
    // The window's drawing: on a surface of drawingWidth x drawingHeight twips, of
    // which the part `shown` (drawing twips) becomes the plot.
    double drawingWidth = 0, drawingHeight = 0;
    TwipsRect shown;
    std::function<void(Surface&)> draw;
    Palette palette;  // colours of the drawing on paper; none keeps them
    std::vector<WorksheetMark> marks;
    std::vector<std::string> legend;  // lines under the x axis title (what the marks are)
    std::optional<WorksheetColourScale> colourScale;  // right of the plot
};

// The layout of the page around the plot, twips.
struct WorksheetMargins {
    static constexpr double left = 1250;  // tick numbers of the y axis
    static constexpr double top = 1000;   // the title (two lines at most), the y axis title
    static constexpr double right = 450;
    static constexpr double bottom = 820;        // tick numbers and the x axis title
    static constexpr double legendLine = 260;    // each line of the legend below that
    static constexpr double colourScale = 1700;  // a colour legend right of the plot
};

// The ticks and numbers of both axes on the edges of the plot box `plot` of `page`:
// the x axis's below its bottom edge, the y axis's left of its left edge (or, with
// yInside, right of it, each number on the surface's ground over what is drawn there).
// Ticks beyond the box are left out. The worksheet pictures draw their axes with it,
// and so do the window's graphs when it shows their axes.
void DrawAxisTicks(Surface& page, const WorksheetAxis& x, const WorksheetAxis& y,
                   const TwipsRect& plot, bool yInside = false);

double WorksheetWidth(const WorksheetPicture& picture);
double WorksheetHeight(const WorksheetPicture& picture);

// Draws the whole picture on `page`, whose size is WorksheetWidth x WorksheetHeight.
void DrawWorksheet(Surface& page, const WorksheetPicture& picture);

// The colours of a drawing made for a dark ground, on white paper: the ground white,
// white traces and text black, yellow and cyan darkened; other colours kept.
Color OnPaper(Color c, Color darkGround);

}  // namespace quorbel
