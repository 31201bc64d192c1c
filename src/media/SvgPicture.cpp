#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "MediaParts.h"
#include "surface/PainterSurface.h"

namespace quorbel {

namespace {

constexpr double kScreenDpi = 96.0;

// A surface drawing into an SVG generator. The drawing cannot be erased: a Cls covers
// the whole picture with the background colour.
class SvgSurface : public PainterSurface {
  public:
    SvgSurface(double widthTwips, double heightTwips, QIODevice& output)
        : PainterSurface(kScreenDpi, 1.0), widthTwips_(widthTwips), heightTwips_(heightTwips) {
        const QSize pixels(Pixels(widthTwips), Pixels(heightTwips));
        generator_.setOutputDevice(&output);
        generator_.setResolution(static_cast<int>(kScreenDpi));
        generator_.setSize(pixels);
        generator_.setViewBox(QRect(QPoint(0, 0), pixels));
        generator_.setTitle(QStringLiteral("FFT Quorbel"));
    }
    ~SvgSurface() override { EndPainting(); }

    double Width() const override { return widthTwips_; }
    double Height() const override { return heightTwips_; }

    // Ends the drawing: the generator writes the document now.
    bool Finish() {
        const bool active = Painting() && Painter().isActive();
        EndPainting();
        return active;
    }

  protected:
    QPaintDevice* Device() const override { return &generator_; }
    void DoCls() override { DoFillRect(0, 0, widthTwips_, heightTwips_, BackColor()); }

  private:
    static int Pixels(double twips) {
        return std::max(1, static_cast<int>(std::lround(twips / kTwipsPerInch * kScreenDpi)));
    }

    double widthTwips_;
    double heightTwips_;
    mutable QSvgGenerator generator_;
};

}  // namespace

bool WriteSvgPicture(const PictureRequest& request, QIODevice& output) {
    SvgSurface surface(request.widthTwips, request.heightTwips, output);
    // The background first, so a drawing that leaves parts untouched still has one.
    surface.Cls();
    if (request.draw) request.draw(surface);
    return surface.Finish();
}

}  // namespace quorbel
