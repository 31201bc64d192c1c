#pragma once
// A surface that paints into a persistent image. Everything drawn stays until the next
// Cls, so a view only has to show Image() when it repaints.
//
// Twips map to pixels at a logical DPI (1440 twips per inch); on a HiDPI screen the
// image carries a device pixel ratio, so it has that many more pixels per logical pixel
// and stays sharp. Lines and points are one logical pixel wide.
//
// A zoom multiplies the ratio: the same picture in twips drawn on more pixels, text,
// lines (as many pixels wide as the zoom) and all. What was drawn since the last Cls is
// kept as a list of the drawing's primitives, so that a new zoom draws the picture
// again at the new size instead of stretching its pixels (a picture of more than
// kMaxKeptPrimitives primitives is stretched).
#include <QColor>
#include <QImage>
#include <optional>
#include <string>
#include <vector>

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

    // The image's ratio of device pixels to logical ones: the screen's times the zoom.
    double DevicePixelRatio() const { return devicePixelRatio_ * zoom_; }
    double Zoom() const { return zoom_; }
    // Draws the picture again at `zoom` (1 at 100 %).
    void SetZoom(double zoom);
    static constexpr size_t kMaxKeptPrimitives = 1000000;
    // The image's own pixels: the logical ones times the device pixel ratio.
    double PixelsPerTwip() const override {
        return PainterSurface::PixelsPerTwip() * DevicePixelRatio();
    }

    // The picture's size in logical pixels at 100 %, whatever its device pixel ratio.
    QSizeF LogicalSize() const;
    // The size it is shown at on the screen, logical pixels: its own at the zoom.
    QSizeF ZoomedSize() const;

    // The picture so far. Pending painting is finished first, so the image may be
    // copied or shown safely.
    const QImage& Image() const;

    // The picture as a Windows bitmap file, 24 bits per pixel, written by ReplaceFile,
    // at the size it has at 100 %, whatever the zoom.
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
    void DoLine(double x1, double y1, double x2, double y2, Color color) override;
    void DoPoint(double x, double y, Color color) override;
    void DoCircle(double cx, double cy, double radius, Color color) override;
    void DoFillRect(double x1, double y1, double x2, double y2, Color color) override;
    void DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                  const std::vector<Color>& pixels) override;
    void DoText(double x, double y, const std::string& text) override;

  private:
    // One primitive drawn since the last Cls: a line, point, circle or box from
    // (x1, y1) to (x2, y2) (a circle's radius in x2), a picture (rasters_[item]) or a
    // text (texts_[item]) in the font and colour it was printed in.
    struct Primitive {
        enum class Kind : unsigned char { Line, Point, Circle, Box, Raster, Text };
        Kind kind;
        double x1, y1, x2, y2;
        Color color;
        size_t item;
    };
    struct RasterCells {
        int columns, rows;
        std::vector<Color> pixels;
    };
    struct TextItem {
        std::string text;
        FontState font;
    };
    // How much of the lists the kept picture holds.
    struct Mark {
        size_t primitives = 0, rasters = 0, texts = 0;
    };
    void Keep(Primitive primitive);
    void Replay(const Primitive& primitive);
    void Forget();
    Mark Now() const { return {primitives_.size(), rasters_.size(), texts_.size()}; }
    QImage Replayed(double ratio) const;
    void CreateImage();
    // The image, made on first use: filled with the background of its creation, with
    // what was drawn before painted on it.
    QImage& Pixels() const;

    double widthTwips_;
    double heightTwips_;
    double devicePixelRatio_;
    double zoom_ = 1;
    std::vector<Primitive> primitives_;
    std::vector<RasterCells> rasters_;
    std::vector<TextItem> texts_;
    bool replayable_ = true;  // every primitive since the last Cls is kept
    std::optional<Mark> keptMark_;
    mutable QImage image_;
    QColor blank_;            // the colour a new image starts in
    mutable QImage metrics_;  // one pixel of the image's resolution, for measuring text
    QImage kept_;             // shares image_'s pixels until either is painted on
};

}  // namespace quorbel
