#include "spectrogram/SpectrogramGraph.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "music/MusicalGraph.h"
#include "music/NoteName.h"
#include "platform/Translation.h"
#include "spectrogram/Viridis.h"
#include "spectrum/ReadoutPrecision.h"
#include "state/NumberText.h"

namespace quorbel {

namespace {

// Margins around the picture, twips: the frequency labels (and the keyboard) on the
// left, the time labels below, the legend on the right, the title above.
constexpr double kLeftMargin = 1150, kRightMargin = 1250, kTopMargin = 330, kBottomMargin = 560;
constexpr double kKeyboardWidth = 420, kKeyboardGap = 40;
constexpr double kLegendGap = 200, kLegendWidth = 250;
constexpr double kTick = 60;
// The musical axis: the piano's keys A0 (21) to C8 (108), half a key beyond each.
constexpr double kLowestKey = 21, kHighestKey = 108;
// Cell rows of the drawn picture at most.
constexpr int kMaxRows = 1024;
// Columns drawn per piece, so that the picture in colours never needs much memory.
constexpr int kColumnsPerPiece = 256;
constexpr Color kAxisColor = colors::kBlack;
constexpr Color kEmptyCell = colors::kBlack;

double KeyFrequency(double key) {
    return music::kReferencePitch * std::exp2((key - 69) / 12);
}

// Fixed decimals with the period in every language (printf would follow the locale).
std::string Fixed(double value, int decimals) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

// A step of 1, 2 or 5 times a power of ten that divides `span` into at most `count`
// steps.
double NiceStep(double span, int count) {
    if (!(span > 0)) return 1;
    const double raw = span / count;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

void PrintAt(Surface& pic, double x, double y, const std::string& text) {
    pic.SetCurrentX(x);
    pic.SetCurrentY(y);
    pic.PrintText(text, true);
}

void SetFont(Surface& pic, double size) {
    pic.SetFontName("Arial");
    pic.SetFontSize(size);
    pic.SetFontBold(false);
    pic.SetFontItalic(false);
    pic.SetForeColor(kAxisColor);
}

void DrawTimeAxis(Surface& pic, const SpectrogramLayout& l) {
    const double step = NiceStep(l.t1 - l.t0, 8);
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    for (double t = std::ceil(l.t0 / step) * step; t <= l.t1 + 1e-9; t += step) {
        const double x = l.XOfTime(t);
        pic.Line(x, l.bottom, x, l.bottom + kTick, kAxisColor);
        const std::string label = Fixed(t, decimals);
        PrintAt(pic, x - pic.TextWidth(label) / 2, l.bottom + kTick, label);
    }
    const std::string unit = Translate("Graphs", "Time (s)");
    PrintAt(pic, (l.left + l.right - pic.TextWidth(unit)) / 2, l.bottom + kTick + pic.TextHeight(),
            unit);
}

void DrawLinearAxis(Surface& pic, const SpectrogramLayout& l) {
    const double step = NiceStep(l.f1 - l.f0, 8);
    for (double f = 0; f <= l.f1 + 1e-9; f += step) {
        const double y = l.YOfFrequency(f);
        pic.Line(l.left - kTick, y, l.left, y, kAxisColor);
        const std::string label = NumberText(f);
        PrintAt(pic, l.left - kTick - 40 - pic.TextWidth(label), y - pic.TextHeight() / 2, label);
    }
    PrintAt(pic, l.left - pic.TextWidth("Hz") - kTick, l.top - pic.TextHeight() - 20, "Hz");
}

void DrawMusicalAxis(Surface& pic, const SpectrogramLayout& l) {
    const double lowKey = 69 + 12 * std::log2(l.f0 / music::kReferencePitch);
    const double highKey = 69 + 12 * std::log2(l.f1 / music::kReferencePitch);
    DrawUprightKeyboard(pic, l.keyboardLeft, l.keyboardWidth, l.bottom, l.top, lowKey, highKey);
    // Every C is named beside its key.
    for (int key = 0; key <= 127; key += 12) {
        if (key < lowKey || key > highKey) continue;
        const double y = l.YOfFrequency(KeyFrequency(key));
        const std::string label = "C" + std::to_string(key / 12 - 1);
        PrintAt(pic, l.keyboardLeft - 40 - pic.TextWidth(label), y - pic.TextHeight() / 2, label);
    }
}

void DrawLegend(Surface& pic, const SpectrogramLayout& l) {
    const int rows = 256;
    std::vector<Color> bar(rows);
    for (int r = 0; r < rows; ++r)
        bar[static_cast<size_t>(r)] = LevelColor(
            kSpectrogramTopDb - (kSpectrogramTopDb - kSpectrogramFloorDb) * (r + 0.5) / rows);
    const double x2 = l.legendLeft + l.legendWidth;
    pic.Raster(l.legendLeft, l.top, x2, l.bottom, 1, rows, bar);
    for (double db = kSpectrogramTopDb; db >= kSpectrogramFloorDb - 1e-9; db -= 20) {
        const double y = l.bottom - (db - kSpectrogramFloorDb) /
                                        (kSpectrogramTopDb - kSpectrogramFloorDb) *
                                        (l.bottom - l.top);
        pic.Line(x2, y, x2 + kTick, y, kAxisColor);
        PrintAt(pic, x2 + kTick + 40, y - pic.TextHeight() / 2, NumberText(db));
    }
    PrintAt(pic, l.legendLeft, l.top - pic.TextHeight() - 20, "dB");
}

}  // namespace

double SpectrogramLayout::XOfTime(double t) const {
    return left + (t - t0) / (t1 - t0) * (right - left);
}

double SpectrogramLayout::TimeAtX(double x) const {
    return t0 + (x - left) / (right - left) * (t1 - t0);
}

double SpectrogramLayout::YOfFrequency(double f) const {
    const double u = axis == SpectrogramAxis::musical ? std::log(f / f0) / std::log(f1 / f0)
                                                      : (f - f0) / (f1 - f0);
    return bottom - u * (bottom - top);
}

double SpectrogramLayout::FrequencyAtY(double y) const {
    const double u = (bottom - y) / (bottom - top);
    return axis == SpectrogramAxis::musical ? f0 * std::pow(f1 / f0, u) : f0 + u * (f1 - f0);
}

int SpectrogramLayout::ColumnAt(double x) const {
    const double u = (x - left) / (right - left);
    const int c = firstColumn + static_cast<int>(std::floor(u * Columns()));
    return std::clamp(c, firstColumn, firstColumn + Columns() - 1);
}

double SpectrogramLayout::XOfColumn(double c) const {
    return left + (c - firstColumn) / Columns() * (right - left);
}

SpectrogramLayout ZoomedLayout(const SpectrogramLayout& whole, int first, int end) {
    SpectrogramLayout l = whole;
    const int all = whole.Columns();
    first = std::clamp(first, whole.firstColumn, whole.firstColumn + all - 1);
    end = std::clamp(end, first + 1, whole.firstColumn + all);
    // Column c of the whole grid begins c / all of the way along its time axis.
    const double secondsPerColumn = (whole.t1 - whole.t0) / all;
    l.t0 = whole.t0 + (first - whole.firstColumn) * secondsPerColumn;
    l.t1 = whole.t0 + (end - whole.firstColumn) * secondsPerColumn;
    l.firstColumn = first;
    l.endColumn = end;
    return l;
}

SpectrogramLayout SpectrogramLayoutFor(double width, double height, const SpectrogramInfo& info,
                                       SpectrogramAxis axis) {
    SpectrogramLayout l;
    l.axis = axis;
    l.left = kLeftMargin;
    l.top = kTopMargin;
    l.right = std::max(l.left + 1, width - kRightMargin);
    l.bottom = std::max(l.top + 1, height - kBottomMargin);
    const StftSettings& s = info.settings;
    const double frames = static_cast<double>(std::max<std::int64_t>(info.frames, 1));
    l.t0 = (s.frame / 2.0 - s.hop / 2.0) / info.rate;
    l.t1 = l.t0 + frames * s.hop / info.rate;
    const double nyquist = info.rate / 2;
    if (axis == SpectrogramAxis::musical) {
        l.f1 = std::min(nyquist, KeyFrequency(kHighestKey + 0.5));
        // A low sampling rate still leaves four octaves to show.
        l.f0 = std::min(KeyFrequency(kLowestKey - 0.5), l.f1 / 16);
        l.keyboardWidth = kKeyboardWidth;
        l.keyboardLeft = l.left - kKeyboardGap - kKeyboardWidth;
    } else {
        l.f0 = 0;
        l.f1 = nyquist;
    }
    l.legendLeft = l.right + kLegendGap;
    l.legendWidth = kLegendWidth;
    l.firstColumn = 0;
    l.endColumn = std::max(info.columns, 1);
    return l;
}

Color LevelColor(double db) {
    return Viridis((db - kSpectrogramFloorDb) / (kSpectrogramTopDb - kSpectrogramFloorDb));
}

void DrawSpectrogramFrame(Surface& pic, const SpectrogramLayout& layout,
                          const SpectrogramInfo& info, const std::string& title) {
    (void)info;
    pic.Cls();
    SetFont(pic, 8);
    // The title stands over the picture, clear of the units above the scales.
    PrintAt(pic, layout.left, 60, title);
    pic.FillRect(layout.left, layout.top, layout.right, layout.bottom, kEmptyCell);
    pic.Line(layout.left, layout.bottom, layout.right, layout.bottom, kAxisColor);
    pic.Line(layout.left, layout.top, layout.left, layout.bottom, kAxisColor);
    DrawTimeAxis(pic, layout);
    if (layout.axis == SpectrogramAxis::musical)
        DrawMusicalAxis(pic, layout);
    else
        DrawLinearAxis(pic, layout);
    DrawLegend(pic, layout);
}

SpectrogramCells SpectrogramCellsFor(const Surface& pic, const SpectrogramLayout& layout,
                                     const SpectrogramInfo& info) {
    // Whole pixels, and at least one cell each way however small the surface.
    const auto pixels = [&pic](double twips) {
        return std::max(1, static_cast<int>(std::lround(twips * pic.PixelsPerTwip())));
    };
    const int rows =
        layout.axis == SpectrogramAxis::musical ? kMaxRows : std::min(info.bins, kMaxRows);
    return {std::min(layout.Columns(), pixels(layout.right - layout.left)),
            std::min(rows, pixels(layout.bottom - layout.top))};
}

namespace {

// Drawn column d of `drawn` shows the grid's columns d * grid / drawn up to the next
// drawn column's first: every grid column is under exactly one drawn column.
int FirstGridColumn(int d, int grid, int drawn) {
    return static_cast<int>(static_cast<std::int64_t>(d) * grid / drawn);
}
int DrawnColumnOver(int column, int grid, int drawn) {
    return static_cast<int>((static_cast<std::int64_t>(column + 1) * drawn - 1) / grid);
}

// The bins each cell row shows, top row first: lowest and highest.
void RowBins(const SpectrogramLayout& layout, const SpectrogramInfo& info, int rows,
             std::vector<int>& lowBin, std::vector<int>& highBin) {
    const double binHz = info.BinHz();
    lowBin.resize(static_cast<size_t>(rows));
    highBin.resize(static_cast<size_t>(rows));
    const double rowHeight = (layout.bottom - layout.top) / rows;
    for (int r = 0; r < rows; ++r) {
        const double fHigh = layout.FrequencyAtY(layout.top + r * rowHeight);
        const double fLow = layout.FrequencyAtY(layout.top + (r + 1) * rowHeight);
        int lo = static_cast<int>(std::ceil(fLow / binHz));
        int hi = static_cast<int>(std::ceil(fHigh / binHz)) - 1;
        if (hi < lo) lo = hi = static_cast<int>(std::lround((fLow + fHigh) / 2 / binHz));
        lowBin[static_cast<size_t>(r)] = std::clamp(lo, 0, info.bins - 1);
        highBin[static_cast<size_t>(r)] = std::clamp(hi, 0, info.bins - 1);
    }
}

}  // namespace

void DrawSpectrogramColumns(Surface& pic, const SpectrogramLayout& layout,
                            const Spectrogram& spectrogram, int first, int end) {
    const SpectrogramInfo& info = spectrogram.Info();
    // Grid columns counted from the first one shown.
    const int shown = layout.Columns(), c0 = layout.firstColumn;
    first = std::max(first, c0) - c0;
    end = std::min({end, info.columns, c0 + shown}) - c0;
    if (first >= end) return;
    const auto [columns, rows] = SpectrogramCellsFor(pic, layout, info);
    std::vector<int> lowBin, highBin;
    RowBins(layout, info, rows, lowBin, highBin);
    const double columnWidth = (layout.right - layout.left) / columns;
    std::vector<double> power(static_cast<size_t>(info.bins));
    std::vector<Color> cells;
    const int drawnEnd = DrawnColumnOver(end - 1, shown, columns) + 1;
    for (int from = DrawnColumnOver(first, shown, columns); from < drawnEnd;
         from += kColumnsPerPiece) {
        const int to = std::min(drawnEnd, from + kColumnsPerPiece);
        const int count = to - from;
        cells.assign(static_cast<size_t>(count) * rows, kEmptyCell);
        for (int d = from; d < to; ++d) {
            if (!spectrogram.MeanPower(c0 + FirstGridColumn(d, shown, columns),
                                       c0 + FirstGridColumn(d + 1, shown, columns), power.data()))
                continue;
            for (int r = 0; r < rows; ++r) {
                const auto low = power.begin() + lowBin[static_cast<size_t>(r)];
                const auto high = power.begin() + highBin[static_cast<size_t>(r)] + 1;
                cells[static_cast<size_t>(r) * count + (d - from)] =
                    LevelColor(PowerDb(*std::max_element(low, high)));
            }
        }
        pic.Raster(layout.left + from * columnWidth, layout.top, layout.left + to * columnWidth,
                   layout.bottom, count, rows, cells);
    }
}

std::string SpectrogramReadout(const SpectrogramLayout& layout, const Spectrogram& spectrogram,
                               double x, double y) {
    if (!layout.Inside(x, y)) return "";
    const SpectrogramInfo& info = spectrogram.Info();
    const double t = layout.TimeAtX(x);
    const double f = layout.FrequencyAtY(y);
    const int column = std::clamp(layout.ColumnAt(x), 0, info.columns - 1);
    const int bin = std::clamp(static_cast<int>(std::lround(f / info.BinHz())), 0, info.bins - 1);
    // The frequency to the precision of the bins (ReadoutPrecision.h).
    std::string text =
        Fixed(t, 3) + " s   " + WithNoteName(FrequencyReadout(f, info.BinHz()) + " Hz", f);
    if (spectrogram.Filled(column))
        text += "   " + Fixed(spectrogram.Level(column, bin), 1) + " dB";
    return text;
}

}  // namespace quorbel
