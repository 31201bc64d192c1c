#include "worksheet/Worksheet.h"

#include <algorithm>
#include <cmath>

#include "state/NumberText.h"

namespace quorbel {

namespace {

using Margins = WorksheetMargins;

constexpr double kTickLength = 90;
constexpr Color kFrameColor = colors::kBlack;

void Frame(Surface& page, double left, double top, double right, double bottom) {
    page.Line(left, top, right, top, kFrameColor);
    page.Line(right, top, right, bottom, kFrameColor);
    page.Line(right, bottom, left, bottom, kFrameColor);
    page.Line(left, bottom, left, top, kFrameColor);
}

void Text(Surface& page, double x, double y, const std::string& text) {
    page.SetCurrentX(x);
    page.SetCurrentY(y);
    page.PrintText(text, true);
}

void Font(Surface& page, double size, bool bold) {
    page.SetFontName("Arial");
    page.SetFontSize(size);
    page.SetFontBold(bold);
    page.SetFontItalic(false);
    page.SetForeColor(colors::kBlack);
}

// The colour bar from `left`, between top and bottom, with its ticks and title.
void ColourBar(Surface& page, const WorksheetColourScale& scale, double left, double top,
               double bottom) {
    constexpr double kBarWidth = 240, kStrip = 15;
    const double span = scale.high - scale.low;
    for (double y = top; y < bottom && span != 0; y += kStrip) {
        const double value = scale.high - (y + kStrip / 2 - top) / (bottom - top) * span;
        page.FillRect(left, y, left + kBarWidth, std::min(y + kStrip, bottom), scale.colour(value));
    }
    Frame(page, left, top, left + kBarWidth, bottom);
    Font(page, 8, false);
    const double right = left + kBarWidth;
    for (const AxisTick& tick : LinearTicks(scale.high, top, scale.low, bottom, top, bottom)) {
        page.Line(right, tick.position, right + kTickLength, tick.position, kFrameColor);
        Text(page, right + kTickLength + 40, tick.position - page.TextHeight() / 2, tick.label);
    }
    Font(page, 9, false);
    // Above the number at the bar's top end.
    Text(page, left, top - page.TextHeight() - 150, scale.title);
}

// The title in at most two lines of `width` twips: broken after the last ", " that
// lets the first line fit.
std::vector<std::string> TitleLines(const Surface& page, const std::string& title, double width) {
    if (page.TextWidth(title) <= width) return {title};
    for (size_t at = title.rfind(", "); at != std::string::npos && at > 0;
         at = title.rfind(", ", at - 1)) {
        const std::string first = title.substr(0, at + 1);
        if (page.TextWidth(first) <= width) return {first, title.substr(at + 2)};
    }
    return {title};
}

}  // namespace

double RoundStep(double span, int count) {
    if (!(span > 0) || !std::isfinite(span) || count < 1) return 0;
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power * 1.0000001) return factor * power;
    return 10 * power;
}

std::vector<AxisTick> LinearTicks(double a, double pa, double b, double pb, double from, double to,
                                  int count) {
    std::vector<AxisTick> ticks;
    if (a == b || pa == pb || !std::isfinite(a) || !std::isfinite(b)) return ticks;
    const double perTwip = (b - a) / (pb - pa);
    const double v1 = a + (from - pa) * perTwip, v2 = a + (to - pa) * perTwip;
    const double low = std::min(v1, v2), high = std::max(v1, v2);
    const double step = RoundStep(high - low, count);
    if (step == 0) return ticks;
    // Whole multiples of the step, so each label is the round number itself.
    const double first = std::ceil(low / step - 1e-9), last = std::floor(high / step + 1e-9);
    for (double k = first; k <= last && ticks.size() < 100; ++k) {
        double value = k * step;
        if (std::fabs(value) < step * 1e-9) value = 0;  // no "-0"
        // The number text has 15 digits at most: 3 * 0.1 prints 0.3.
        ticks.push_back({pa + (value - a) / perTwip, NumberText(value)});
    }
    return ticks;
}

void DrawAxisTicks(Surface& page, const WorksheetAxis& x, const WorksheetAxis& y,
                   const TwipsRect& plot, bool yInside) {
    Font(page, 8, false);
    const double lineHeight = page.TextHeight();
    for (const AxisTick& tick : x.ticks) {
        const double at = plot.left + tick.position;
        if (at < plot.left - 1 || at > plot.right + 1) continue;
        page.Line(at, plot.bottom, at, plot.bottom + kTickLength, kFrameColor);
        Text(page, at - page.TextWidth(tick.label) / 2, plot.bottom + kTickLength + 20, tick.label);
    }
    for (const AxisTick& tick : y.ticks) {
        const double at = plot.top + tick.position;
        if (at < plot.top - 1 || at > plot.bottom + 1) continue;
        if (!yInside) {
            page.Line(plot.left - kTickLength, at, plot.left, at, kFrameColor);
            Text(page, plot.left - kTickLength - 60 - page.TextWidth(tick.label),
                 at - lineHeight / 2, tick.label);
            continue;
        }
        // Inside the plot each number stands on a ground of its own over the drawing,
        // and the top one is kept below the plot's upper edge.
        const double width = page.TextWidth(tick.label);
        const double textTop = std::max(plot.top, at - lineHeight / 2);
        const double textLeft = plot.left + kTickLength + 30;
        page.FillRect(textLeft - 15, textTop, textLeft + width + 15, textTop + lineHeight,
                      page.BackColor());
        page.Line(plot.left, at, plot.left + kTickLength, at, kFrameColor);
        Text(page, textLeft, textTop, tick.label);
    }
}

double WorksheetWidth(const WorksheetPicture& picture) {
    return Margins::left + (picture.shown.right - picture.shown.left) + Margins::right +
           (picture.colourScale ? Margins::colourScale : 0);
}

double WorksheetHeight(const WorksheetPicture& picture) {
    return Margins::top + (picture.shown.bottom - picture.shown.top) + Margins::bottom +
           Margins::legendLine * static_cast<double>(picture.legend.size());
}

Color OnPaper(Color c, Color darkGround) {
    if (c == darkGround) return colors::kWhite;
    if (c == colors::kWhite) return colors::kBlack;
    if (c == colors::kYellow) return Rgb(150, 110, 0);
    if (c == Rgb(0, 255, 255)) return Rgb(0, 110, 140);
    return c;
}

void DrawWorksheet(Surface& page, const WorksheetPicture& picture) {
    const double plotWidth = picture.shown.right - picture.shown.left;
    const double plotHeight = picture.shown.bottom - picture.shown.top;
    const double left = Margins::left, top = Margins::top;
    const double right = left + plotWidth, bottom = top + plotHeight;

    page.SetBackColor(colors::kWhite);
    page.FillRect(0, 0, page.Width(), page.Height(), colors::kWhite);

    // The window's drawing, moved into the frame and cut to it.
    const double dx = left - picture.shown.left, dy = top - picture.shown.top;
    if (picture.draw) {
        ViewportSurface graph(page, picture.drawingWidth, picture.drawingHeight, dx, dy,
                              picture.shown, picture.palette);
        picture.draw(graph);
    }
    // The marks, on the same place and in the same colours as the drawing.
    ViewportSurface over(page, picture.drawingWidth, picture.drawingHeight, dx, dy, picture.shown,
                         picture.palette);
    for (const WorksheetMark& mark : picture.marks) {
        over.Line(mark.x1, mark.y1, mark.x2, mark.y2, mark.color);
        if (mark.text.empty()) continue;
        over.SetFontName("Arial");
        over.SetFontSize(8);
        over.SetFontBold(false);
        over.SetForeColor(mark.color);
        over.SetCurrentX(mark.x2);
        over.SetCurrentY(mark.y2);
        over.PrintText(mark.text, true);
    }

    Frame(page, left, top, right, bottom);
    if (picture.colourScale) ColourBar(page, *picture.colourScale, right + 300, top, bottom);

    DrawAxisTicks(page, picture.x, picture.y, {left, top, right, bottom});
    Font(page, 8, false);
    const double lineHeight = page.TextHeight();

    Font(page, 9, false);
    const double xTitleTop = bottom + kTickLength + 40 + lineHeight;
    Text(page, (left + right - page.TextWidth(picture.x.title)) / 2, xTitleTop, picture.x.title);
    double legendTop = xTitleTop + page.TextHeight() + 40;
    Font(page, 8, false);
    for (const std::string& line : picture.legend) {
        Text(page, left, legendTop, line);
        legendTop += Margins::legendLine;
    }
    Font(page, 9, false);
    Text(page, 120, top - page.TextHeight() - 60, picture.y.title);

    Font(page, 11, true);
    double y = 90;
    for (const std::string& line : TitleLines(page, picture.title, page.Width() - 240)) {
        Text(page, 120, y, line);
        y += page.TextHeight();
    }
}

}  // namespace quorbel
