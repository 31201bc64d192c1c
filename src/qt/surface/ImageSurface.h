#pragma once
// A surface that paints into a persistent image. Everything drawn stays until the next
// Cls, so a view only has to show Image() when it repaints.
//
// Twips map to pixels at a logical DPI (1440 twips per inch); on a HiDPI screen the
// image carries a device pixel ratio, so it has that many more pixels per logical pixel
// and stays sharp. Lines and points are one logical pixel wide and not antialiased;
// text is.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <memory>
#include <string>

#include "Fonts.h"
#include "surface/Surface.h"

namespace quorbel {

class ImageSurface : public Surface {
  public:
    static constexpr double kTwipsPerInch = 1440.0;

    ImageSurface(double widthTwips, double heightTwips, double dpi = 96.0,
                 double devicePixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    double Width() const override { return widthTwips_; }
    double Height() const override { return heightTwips_; }
    // A new, cleared image of the new size (filled with BackColor).
    void Resize(double widthTwips, double heightTwips);

    double Dpi() const { return dpi_; }
    double DevicePixelRatio() const { return devicePixelRatio_; }

    // The picture so far. Pending painting is finished first, so the image may be
    // copied or shown safely.
    const QImage& Image() const;

    double TextWidth(const std::string& text) const override;
    double TextHeight() const override;
    double AverageCharWidth() const override;

  protected:
    void DoCls() override;
    void DoLine(double x1, double y1, double x2, double y2, Color color) override;
    void DoPoint(double x, double y, Color color) override;
    void DoCircle(double cx, double cy, double radius, Color color) override;
    void DoText(double x, double y, const std::string& text) override;
    void DoFillRect(double x1, double y1, double x2, double y2, Color color) override;

  private:
    void CreateImage();
    // The painter, begun on the image with the twips mapping on first use.
    QPainter& Painter();
    void EndPainting() const;
    QPainter& GeometryPainter(Color color);
    double PixelsToTwips(double logicalPixels) const;

    double widthTwips_;
    double heightTwips_;
    double dpi_;
    double devicePixelRatio_;
    // Twips to logical pixels; the device pixel ratio is applied by the image itself.
    QTransform twipsToPixels_;
    QImage image_;
    // Kept open between primitives (beginning a painter per line is slow); ended
    // before the image is handed out or replaced.
    mutable std::unique_ptr<QPainter> painter_;
    mutable TextFontResolver fonts_;
};

}  // namespace quorbel
