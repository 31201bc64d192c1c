// A picture of cells (the spectrogram's) painted by the image surface: each cell one
// flat colour over its share of the box, in the twips the drawing names, at any
// device pixel ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "CaseName.h"
#include "surface/ImageSurface.h"

namespace quorbel {
namespace {

struct RasterCase {
    double ratio;  // device pixels per logical pixel
    int columns, rows;
    double x1, y1, x2, y2;  // the box, twips (15 twips a logical pixel)
    friend void PrintTo(const RasterCase& c, std::ostream* os) {
        *os << c.columns << "x" << c.rows << "_ratio" << c.ratio;
    }
};

class RasterPainting : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterPainting, EachCellFillsItsShareOfTheBox) {
    const RasterCase c = GetParam();
    ImageSurface surface(3000, 3000, 96, c.ratio);
    surface.SetBackColor(colors::kWhite);
    surface.Cls();
    std::vector<Color> cells;
    for (int r = 0; r < c.rows; ++r)
        for (int k = 0; k < c.columns; ++k) cells.push_back(Rgb(20 + 40 * k, 20 + 40 * r, 99));
    surface.Raster(c.x1, c.y1, c.x2, c.y2, c.columns, c.rows, cells);
    const QImage& image = surface.Image();
    const double perTwip = c.ratio / 15;
    const double cellW = (c.x2 - c.x1) / c.columns, cellH = (c.y2 - c.y1) / c.rows;
    for (int r = 0; r < c.rows; ++r)
        for (int k = 0; k < c.columns; ++k) {
            // The middle of the cell, in device pixels.
            const int x = static_cast<int>((c.x1 + (k + 0.5) * cellW) * perTwip);
            const int y = static_cast<int>((c.y1 + (r + 0.5) * cellH) * perTwip);
            const QRgb p = image.pixel(x, y);
            EXPECT_EQ(qRed(p), 20 + 40 * k) << "cell " << k << "," << r;
            EXPECT_EQ(qGreen(p), 20 + 40 * r) << "cell " << k << "," << r;
            EXPECT_EQ(qBlue(p), 99);
        }
    // Outside the box nothing is painted.
    EXPECT_EQ(
        image.pixel(static_cast<int>(c.x2 * perTwip) + 2, static_cast<int>(c.y2 * perTwip) + 2),
        qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Surfaces, RasterPainting,
                         ::testing::Values(RasterCase{1, 2, 2, 150, 300, 1650, 1800},
                                           RasterCase{2, 3, 4, 300, 150, 2400, 2550},
                                           RasterCase{1, 5, 1, 600, 600, 2100, 900}),
                         testing::PrintedName());

}  // namespace
}  // namespace quorbel
