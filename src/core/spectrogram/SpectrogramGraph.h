#pragma once
// The spectrogram drawn on a surface: time across, frequency up on a linear axis
// (0 Hz to half the sampling rate) or on the musical axis (the piano's A0 to C8, or up
// to half the sampling rate, with an upright keyboard beside it), the level of each
// cell in the viridis colour map from -120 dB (dark) to 0 dB (yellow), and the map's
// legend on the right. Positions are twips on the surface.
#include <string>

#include "spectrogram/Spectrogram.h"
#include "surface/Surface.h"

namespace quorbel {

enum class SpectrogramAxis { linear, musical };

inline constexpr double kSpectrogramFloorDb = -120;  // the darkest colour
inline constexpr double kSpectrogramTopDb = 0;       // the brightest

// Where the picture lies and what its axes span. The pairs of mappings are each
// other's inverses.
struct SpectrogramLayout {
    double left = 0, top = 0, right = 0, bottom = 0;  // the picture, twips
    double t0 = 0, t1 = 0;                            // seconds at the left and right edges
    double f0 = 0, f1 = 1;                            // hertz at the bottom and top edges
    SpectrogramAxis axis = SpectrogramAxis::linear;
    double keyboardLeft = 0, keyboardWidth = 0;  // the upright keyboard (musical axis)
    double legendLeft = 0, legendWidth = 0;      // the colour bar
    // The grid's columns across the picture, first .. end - 1: all of them, or the
    // stretch of time a zoom shows.
    int firstColumn = 0, endColumn = 0;
    int Columns() const { return endColumn > firstColumn ? endColumn - firstColumn : 1; }
    // The grid's column under x, within those shown.
    int ColumnAt(double x) const;
    // Where column c (a grid column, shown or not) begins.
    double XOfColumn(double c) const;

    double XOfTime(double t) const;
    double TimeAtX(double x) const;
    double YOfFrequency(double f) const;
    double FrequencyAtY(double y) const;
    bool Inside(double x, double y) const {
        return x >= left && x < right && y > top && y <= bottom;
    }
};

// The layout of a surface of width x height twips for the sound `info` describes.
// The time axis runs from half a hop before the first frame's centre to half a hop
// after the last one's, so that each frame owns one hop of it.
SpectrogramLayout SpectrogramLayoutFor(double width, double height, const SpectrogramInfo& info,
                                       SpectrogramAxis axis);

// `whole` (a layout of all the grid's columns) narrowed to columns first .. end - 1:
// its time axis spans exactly theirs. The range is kept within the grid and holds at
// least one column.
SpectrogramLayout ZoomedLayout(const SpectrogramLayout& whole, int first, int end);

// The colour of a level: viridis from kSpectrogramFloorDb to kSpectrogramTopDb,
// clamped at both ends.
Color LevelColor(double db);

// The cells the picture is drawn in, as many as the surface has pixels over it and no
// more than the analysis holds: at most one column per column of the grid (a drawn
// column shows the mean power of all the frames of the grid columns under it) and at
// most 1024 rows, on the linear axis no more than the bins.
struct SpectrogramCells {
    int columns = 1, rows = 1;
};
SpectrogramCells SpectrogramCellsFor(const Surface& pic, const SpectrogramLayout& layout,
                                     const SpectrogramInfo& info);

// Clears the surface and draws everything but the cells: the title, the axes with
// their labels, the keyboard of the musical axis, the legend, and the picture's area
// in black (columns not analysed yet).
void DrawSpectrogramFrame(Surface& pic, const SpectrogramLayout& layout,
                          const SpectrogramInfo& info, const std::string& title);

// Draws the cells over the grid's columns first .. end - 1 (SpectrogramCellsFor: a drawn
// column partly in that range is drawn whole). A cell row takes the loudest bin whose
// frequency falls into it, or the nearest bin where none does.
void DrawSpectrogramColumns(Surface& pic, const SpectrogramLayout& layout,
                            const Spectrogram& spectrogram, int first, int end);

// What lies under (x, y): "1.234 s   440.0 Hz  A4 +0 c   -12.3 dB"; empty outside the
// picture. The level is that of the cell's column and of the bin nearest to the
// frequency; a column not analysed yet gives no level.
std::string SpectrogramReadout(const SpectrogramLayout& layout, const Spectrogram& spectrogram,
                               double x, double y);

}  // namespace quorbel
