// The musical graph drawn many times in a row, as the live view does, on an image that
// keeps its scale and keyboard from one drawing to the next: every picture has exactly
// the pixels of the same graph drawn afresh, and leaves the surface in the same state,
// whatever the spectrum does (peaks reaching down over the scale, inverted peaks, a
// value that is not a number, a change of tuning or of the surface's font). A picture
// drawn before it is first shown gets the same pixels too.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <vector>

#include "music/MusicalGraph.h"
#include "surface/ImageSurface.h"
#include "surface/SymbolFont.h"

namespace quorbel {
namespace {

// The same image surface, drawing everything every time.
class FreshImageSurface : public ImageSurface {
  public:
    using ImageSurface::ImageSurface;
    bool KeepsPictures() const override { return false; }
};

// An image surface that counts the pictures it laid down from its copy.
class CountingImageSurface : public ImageSurface {
  public:
    using ImageSurface::ImageSurface;
    int restored = 0;

  protected:
    bool RestorePicture() override {
        const bool done = ImageSurface::RestorePicture();
        restored += done;
        return done;
    }
};

TEST(KeptPicture, EveryFrameMatchesTheGraphDrawnAfresh) {
    CountingImageSurface kept(music::kCanvasWidth, music::kCanvasHeight);
    std::minstd_rand random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int frame = 0; frame < 40; ++frame) {
        MusicalSpectrum spectrum;
        spectrum.binHz = 44100.0 / 8192;
        spectrum.ymax = 100;
        spectrum.shift = 15 * (frame / 10);
        spectrum.sign = frame % 13 == 12 ? -1 : 1;
        for (int i = 0; i < 4096; ++i) spectrum.ygraf.push_back(100 * std::pow(unit(random), 8));
        if (frame % 7 == 6) spectrum.ygraf[300] = -40;  // down over the axis and its labels
        if (frame % 11 == 10) spectrum.ygraf[5] = std::nan("");
        if (frame == 30) kept.SetFontSize(12);

        FreshImageSurface fresh(music::kCanvasWidth, music::kCanvasHeight);
        fresh.SetFontSize(kept.Font().size);
        fresh.SetCurrentX(kept.CurrentX());
        fresh.SetCurrentY(kept.CurrentY());
        Logscale2(fresh, spectrum);
        Logscale2(kept, spectrum);
        ASSERT_EQ(kept.Image(), fresh.Image()) << "frame " << frame;
        EXPECT_EQ(kept.CurrentX(), fresh.CurrentX()) << "frame " << frame;
        EXPECT_EQ(kept.CurrentY(), fresh.CurrentY()) << "frame " << frame;
        EXPECT_EQ(kept.ForeColor(), fresh.ForeColor());
        EXPECT_EQ(kept.BackColor(), fresh.BackColor());
    }
    // Most frames were drawn over the kept scale.
    EXPECT_GE(kept.restored, 15);
}

// A picture drawn while nobody looks at it is painted when first shown: the same pixels,
// whatever changed between its primitives (colours, fonts, a symbol font taking the
// text font before it, an erasure).
TEST(KeptPicture, DrawingOnAHiddenPictureGivesThePixelsDrawnAtOnce) {
    std::minstd_rand random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    MusicalSpectrum spectrum;
    spectrum.binHz = 44100.0 / 8192;
    spectrum.ymax = 100;
    for (int i = 0; i < 4096; ++i) spectrum.ygraf.push_back(100 * std::pow(unit(random), 8));
    auto draw = [&](ImageSurface& pic) {
        pic.Line(0, 0, 3000, 2000, 0x0000FF);
        pic.Cls();
        Logscale2(pic, spectrum);
        pic.SetForeColor(0x008000);
        pic.SetFontName("Times New Roman");
        pic.SetFontBold(true);
        pic.PrintText("f(t) = ");
        pic.SetFontName("Symbol");
        pic.PrintText("w p");
        pic.Raster(100, 100, 900, 500, 2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
        pic.Circle(4000, 1500, 300);
    };
    ImageSurface shownFirst(music::kCanvasWidth, music::kCanvasHeight);
    shownFirst.Image();
    draw(shownFirst);
    ImageSurface hidden(music::kCanvasWidth, music::kCanvasHeight);
    draw(hidden);
    EXPECT_EQ(hidden.Image(), shownFirst.Image());
}

}  // namespace
}  // namespace quorbel
