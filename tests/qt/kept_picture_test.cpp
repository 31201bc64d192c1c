// The musical graph drawn many times in a row, as the live view does, on an image that
// keeps its scale and keyboard from one drawing to the next: every picture has exactly
// the pixels of the same graph drawn afresh, and leaves the surface in the same state,
// whatever the spectrum does (peaks reaching down over the scale, inverted peaks, a
// value that is not a number, a change of tuning or of the surface's font).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <random>
#include <vector>

#include "music/MusicalGraph.h"
#include "surface/ImageSurface.h"

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

}  // namespace
}  // namespace quorbel
