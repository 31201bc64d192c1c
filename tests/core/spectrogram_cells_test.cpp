// The spectrogram drawn at the resolution of the surface it lands on: how many cells,
// what each one shows (the mean of the frames under it, the loudest bin in its row),
// and a picture filled in slice by slice ending as the picture drawn whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "CaseName.h"
#include "GeneratedStream.h"
#include "spectrogram/SpectrogramGraph.h"
#include "surface/RecordingSurface.h"

namespace quorbel::testing {
namespace {

constexpr double kWidth = 11160, kHeight = 5960;  // the window's picture, twips

// A recording of a device of `dpi` dots per inch.
class DeviceSurface : public RecordingSurface {
  public:
    explicit DeviceSurface(double dpi) : RecordingSurface(kWidth, kHeight), dpi_(dpi) {}
    double PixelsPerTwip() const override { return dpi_ / 1440; }

  private:
    double dpi_;
};

// `seconds` at 8000 Hz of a tone gliding up over noise whose level changes from frame
// to frame.
std::unique_ptr<Spectrogram> Analysed(double seconds, StftSettings settings, bool analyse = true) {
    auto stream = std::make_unique<GeneratedStream>(
        8000, static_cast<std::int64_t>(seconds * 8000), [](std::int64_t k) {
            const double t = k / 8000.0;
            return 0.5 * std::sin(6.283185307179586 * (200 + 300 * t) * t) +
                   1e-3 * ((k / 700) % 5) * (((k * 7919) % 101) - 50) / 50.0;
        });
    std::string error;
    auto spectrogram = Spectrogram::Start(std::move(stream), settings, "x", &error);
    EXPECT_TRUE(spectrogram) << error;
    if (spectrogram && analyse) spectrogram->Advance(1 << 30);
    return spectrogram;
}

// The cells drawn on `pic`, row by row, each piece at its place (a later piece over an
// earlier one); white where none was drawn.
std::vector<Color> Composed(const RecordingSurface& pic, const SpectrogramLayout& layout,
                            SpectrogramCells cells) {
    std::vector<Color> picture(static_cast<size_t>(cells.columns) * cells.rows, colors::kWhite);
    const double columnWidth = (layout.right - layout.left) / cells.columns;
    for (const auto& raster : pic.Rasters()) {
        const auto first =
            static_cast<size_t>(std::lround((raster.x1 - layout.left) / columnWidth));
        for (int r = 0; r < raster.rows; ++r)
            std::copy_n(raster.pixels.begin() + r * raster.columns, raster.columns,
                        picture.begin() + static_cast<size_t>(r) * cells.columns + first);
    }
    return picture;
}

struct CellsCase {
    const char* name;
    double seconds, dpi;
    int frame;
    SpectrogramAxis axis;
    int columns, rows;
    friend void PrintTo(const CellsCase& c, std::ostream* os) { *os << c.name; }
};

class CellsOfThePicture : public ::testing::TestWithParam<CellsCase> {};

TEST_P(CellsOfThePicture, AsManyAsThePixelsAndTheAnalysisHold) {
    const CellsCase c = GetParam();
    auto spectrogram = Analysed(c.seconds, {c.frame, c.frame / 4});
    ASSERT_TRUE(spectrogram);
    DeviceSurface pic(c.dpi);
    const SpectrogramLayout layout =
        SpectrogramLayoutFor(kWidth, kHeight, spectrogram->Info(), c.axis);
    const auto [columns, rows] = SpectrogramCellsFor(pic, layout, spectrogram->Info());
    EXPECT_EQ(columns, c.columns);
    EXPECT_EQ(rows, c.rows);
    DrawSpectrogramColumns(pic, layout, *spectrogram, 0, spectrogram->Info().columns);
    int drawn = 0;
    for (const auto& raster : pic.Rasters()) {
        EXPECT_EQ(raster.rows, c.rows);
        drawn += raster.columns;
    }
    EXPECT_EQ(drawn, c.columns);
}

// The picture is 8760 x 5070 twips: 584 x 338 pixels at 96 dpi. A printer's 1200 dpi
// gets the grid itself: its 4096 columns, 1024 rows or fewer bins.
INSTANTIATE_TEST_SUITE_P(
    Spectrogram, CellsOfThePicture,
    ::testing::Values(
        CellsCase{"Screen", 300, 96, 2048, SpectrogramAxis::linear, 584, 338},
        CellsCase{"ScreenTwiceAsFine", 300, 192, 2048, SpectrogramAxis::linear, 1168, 676},
        CellsCase{"Printer", 300, 1200, 2048, SpectrogramAxis::linear, 4096, 1024},
        CellsCase{"PrinterMusical", 300, 1200, 256, SpectrogramAxis::musical, 4096, 1024},
        CellsCase{"PrinterFewBins", 300, 1200, 256, SpectrogramAxis::linear, 4096, 129},
        CellsCase{"FewFrames", 0.5, 96, 256, SpectrogramAxis::linear, 59, 129}),
    PrintedName());

// Every drawn column shows the mean power of all the frames of the grid columns under
// it, the loudest bin of its row: its colour lies between those of the levels 0.01 dB
// around that (the grid sums in single precision).
TEST(SpectrogramCellsShow, TheMeanOfTheirFramesAndTheLoudestBinOfTheirRow) {
    // 5621 frames into 4096 columns: one or two frames each.
    auto spectrogram = Analysed(90, {512, 128});
    ASSERT_TRUE(spectrogram);
    const SpectrogramInfo& info = spectrogram->Info();
    DeviceSurface pic(96);
    const SpectrogramLayout layout =
        SpectrogramLayoutFor(kWidth, kHeight, info, SpectrogramAxis::musical);
    DrawSpectrogramColumns(pic, layout, *spectrogram, 0, info.columns);
    // The frames again, each listed.
    auto listed = Analysed(90, {512, 128}, false);
    std::vector<std::vector<double>> frames;
    listed->onFrame = [&](std::int64_t, const std::vector<double>& p) { frames.push_back(p); };
    listed->Advance(1 << 30);
    const auto [columns, rows] = SpectrogramCellsFor(pic, layout, info);
    const std::vector<Color> picture = Composed(pic, layout, {columns, rows});
    for (int d : {0, 1, 100, columns / 2, columns - 1}) {
        // Frame k lies in grid column k * columns / frames; drawn column d holds grid
        // columns d * grid / drawn onwards.
        std::vector<double> mean(static_cast<size_t>(info.bins));
        int count = 0;
        for (std::int64_t k = 0; k < info.frames; ++k) {
            const std::int64_t c = k * info.columns / info.frames;
            if (c < std::int64_t{d} * info.columns / columns ||
                c >= std::int64_t{d + 1} * info.columns / columns)
                continue;
            for (int b = 0; b < info.bins; ++b) mean[b] += frames[k][b];
            ++count;
        }
        ASSERT_GT(count, 0);
        for (int r = 0; r < rows; r += 37) {
            const double fHigh =
                layout.FrequencyAtY(layout.top + r * (layout.bottom - layout.top) / rows);
            const double fLow =
                layout.FrequencyAtY(layout.top + (r + 1) * (layout.bottom - layout.top) / rows);
            double loudest = 0;
            for (int b = 0; b < info.bins; ++b)
                if (b * info.BinHz() >= fLow && b * info.BinHz() < fHigh)
                    loudest = std::max(loudest, mean[b] / count);
            if (loudest == 0)  // no bin in the row: the nearest
                loudest = mean[std::lround((fLow + fHigh) / 2 / info.BinHz())] / count;
            const double db = PowerDb(loudest);
            const Color drawn = picture[static_cast<size_t>(r) * columns + d];
            EXPECT_TRUE(drawn == LevelColor(db - 0.01) || drawn == LevelColor(db + 0.01))
                << "column " << d << " row " << r << " " << db << " dB";
        }
    }
}

// Slices of frames drawn as they come (the columns they changed) end as the picture
// drawn whole, though a drawn column takes frames from several slices.
TEST(SpectrogramCellsShow, TheSamePictureSliceBySlice) {
    auto spectrogram = Analysed(40, {1024, 300}, false);
    ASSERT_TRUE(spectrogram);
    const SpectrogramInfo& info = spectrogram->Info();
    const SpectrogramLayout layout =
        SpectrogramLayoutFor(kWidth, kHeight, info, SpectrogramAxis::linear);
    DeviceSurface slices(96), whole(96);
    while (!spectrogram->Advance(37)) {
        const auto [first, end] = spectrogram->TakeChangedColumns();
        DrawSpectrogramColumns(slices, layout, *spectrogram, first, end);
    }
    const auto [first, end] = spectrogram->TakeChangedColumns();
    DrawSpectrogramColumns(slices, layout, *spectrogram, first, end);
    DrawSpectrogramColumns(whole, layout, *spectrogram, 0, info.columns);
    const SpectrogramCells cells = SpectrogramCellsFor(whole, layout, info);
    EXPECT_GT(slices.Rasters().size(), 20u);
    EXPECT_EQ(Composed(slices, layout, cells), Composed(whole, layout, cells));
}

}  // namespace
}  // namespace quorbel::testing
