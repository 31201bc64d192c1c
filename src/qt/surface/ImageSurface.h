#pragma once
// A surface that paints into a persistent image. Everything drawn stays until the next
// Cls, so a view only has to show Image() when it repaints.
//
// Twips map to pixels at a logical DPI (1440 twips per inch); on a HiDPI screen the
// image carries a device pixel ratio, so it has that many more pixels per logical pixel
// and stays sharp. Lines and points are one logical pixel wide.
#include <QColor>
#include <QImage>
#include <string>

#include "PainterSurface.h"
#include "state/FileReplace.h"

namespace quorbel {

class ImageSurface : public PainterSurface {
  public:
    ImageSurface(double widthTwips, double heightTwips, double dpi = 96.0,
                 double devicePixelRatio = 1.0);
    // The painter ends while the image still exists.
    ~ImageSurface() override { EndPainting(); }

    double Width() const override { return widthTwips_; }
    double Height() const override { return heightTwips_; }
    // A new, cleared image of the new size (filled with BackColor).
    void Resize(double widthTwips, double heightTwips);

    double DevicePixelRatio() const { return devicePixelRatio_; }
    // The image's own pixels: the logical ones times the device pixel ratio.
    double PixelsPerTwip() const override {
        return PainterSurface::PixelsPerTwip() * devicePixelRatio_;
    }

    // The picture's size in logical pixels, whatever its device pixel ratio.
    QSizeF LogicalSize() const;

    // The picture so far. Pending painting is finished first, so the image may be
    // copied or shown safely.
    const QImage& Image() const;

    // The picture as a Windows bitmap file, 24 bits per pixel, written by ReplaceFile.
    bool SaveBitmap(const std::string& path, std::string* error) override;
    bool SaveBitmap(const std::string& path, std::string* error, const FileCalls& calls);
    // The bytes of that file.
    QByteArray BitmapBytes() const;

    // A kept picture costs one copy of the image when painting goes on over it.
    bool KeepsPictures() const override { return true; }

  protected:
    QPaintDevice* Device() const override { return &Pixels(); }
    QPaintDevice* MetricsDevice() const override;
    // Until the pixels are wanted (shown, read or kept), drawing is kept and painted
    // then: a picture drawn while hidden costs no pixels.
    bool Deferring() const override { return image_.isNull(); }
    void DoCls() override;
    void KeepPicture() override;
    bool RestorePicture() override;

  private:
    void CreateImage();
    // The image, made on first use: filled with the background of its creation, with
    // what was drawn before painted on it.
    QImage& Pixels() const;

    double widthTwips_;
    double heightTwips_;
    double devicePixelRatio_;
    mutable QImage image_;
    QColor blank_;            // the colour a new image starts in
    mutable QImage metrics_;  // one pixel of the image's resolution, for measuring text
    QImage kept_;             // shares image_'s pixels until either is painted on
};

}  // namespace quorbel
