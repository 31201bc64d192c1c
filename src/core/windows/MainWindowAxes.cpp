#include "windows/MainWindowAxes.h"

#include "surface/ViewportSurface.h"
#include "windows/MainWindowModel.h"
#include "worksheet/Worksheet.h"

namespace quorbel {

namespace {

// The axis layer sets its own font and colour; the picture keeps those it had, which
// the window's next drawing on it starts from.
void DrawTicks(Surface& pic, const WorksheetAxis& x, const WorksheetAxis& y, const TwipsRect& plot,
               bool yInside) {
    const FontState font = pic.Font();
    const Color fore = pic.ForeColor();
    DrawAxisTicks(pic, x, y, plot, yInside);
    pic.SetFontName(font.name);
    pic.SetFontSize(font.size);
    pic.SetFontBold(font.bold);
    pic.SetFontItalic(font.italic);
    pic.SetForeColor(fore);
}

// The ticks of `axis`, whose positions were made for a drawing `from` twips long,
// on a drawing `to` twips long (the graphs are laid out in proportion to their size).
WorksheetAxis Rescaled(WorksheetAxis axis, double from, double to) {
    if (from > 0)
        for (AxisTick& tick : axis.ticks) tick.position *= to / from;
    return axis;
}

}  // namespace

void DrawFtOnScreen(const MainWindowModel& window, Surface& pic) {
    if (!window.Viewing().axes) {
        window.DrawFtGraph(pic);
        return;
    }
    const double W = pic.Width(), H = pic.Height();
    const TwipsRect plot{kFtAxisLeft, 0, W, H - kFtAxisBottom};
    const double w = plot.right - plot.left, h = plot.bottom - plot.top;
    pic.Cls();
    ViewportSurface graph(pic, w, h, plot.left, plot.top, {0, 0, w, h});
    graph.SetBackColor(pic.BackColor());
    graph.SetForeColor(pic.ForeColor());
    window.DrawFtGraph(graph);
    const WorksheetPicture sheet = window.FtWorksheet();
    DrawTicks(pic, Rescaled(sheet.x, sheet.drawingWidth, w),
              Rescaled(sheet.y, sheet.drawingHeight, h), plot, false);
}

void DrawFftAxes(const MainWindowModel& window, Surface& pic) {
    // The graph in decibels carries its own scale, in the same place.
    if (!window.Viewing().axes || window.Extras().decibels) return;
    const WorksheetPicture sheet = window.FftWorksheet();
    if (sheet.y.ticks.empty()) return;
    const TwipsRect plot{0, 0, pic.Width(), pic.Height()};
    const WorksheetAxis y = Rescaled(sheet.y, sheet.drawingHeight, pic.Height());
    // The scale's own line from its lowest tick to its highest, at the left edge.
    double low = y.ticks.front().position, high = low;
    for (const AxisTick& tick : y.ticks) {
        low = std::max(low, tick.position);
        high = std::min(high, tick.position);
    }
    pic.Line(0, high, 0, low, colors::kBlack);
    DrawTicks(pic, {}, y, plot, true);
}

}  // namespace quorbel
