#pragma once
// What the Qt surfaces share: drawing in twips through one QPainter on a paint device
// (an image, a printer page, a PDF page). Twips map to the device's pixels at its
// logical DPI; lines and points are not antialiased, text is.
#include <QPainter>
#include <QTransform>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Fonts.h"
#include "surface/Surface.h"

class QPaintDevice;

namespace quorbel {

class PainterSurface : public Surface {
  public:
    static constexpr double kTwipsPerInch = 1440.0;

    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    double Dpi() const { return dpi_; }

    double TextWidth(const std::string& text) const override;
    double TextHeight() const override;
    double AverageCharWidth() const override;
    // The device's logical pixels.
    double PixelsPerTwip() const override { return dpi_ / kTwipsPerInch; }

  protected:
    // dpi: the device's logical pixels per inch; lineWidth: the width of lines and
    // points in logical pixels.
    PainterSurface(double dpi, double lineWidth);

    // The device drawn on; fonts are measured on MetricsDevice, a device of the same
    // resolution that need not hold the pixels.
    virtual QPaintDevice* Device() const = 0;
    virtual QPaintDevice* MetricsDevice() const { return Device(); }
    // While true, what is drawn is kept, in order and with the fonts and colours it is
    // drawn in, and painted when PaintDeferred is called: the same pixels, later.
    virtual bool Deferring() const { return false; }
    void PaintDeferred();
    void ForgetDeferred() { deferred_.clear(); }
    // The painter, begun on the device with the twips mapping on first use.
    QPainter& Painter();
    // Ends the painter (kept open between primitives, because beginning one per line
    // is slow).
    void EndPainting() const;
    bool Painting() const { return painter_ != nullptr; }
    // The width of lines and points from now on, logical pixels.
    void SetLineWidth(double width) {
        lineWidth_ = width;
        linePen_.reset();
    }

    void DoLine(double x1, double y1, double x2, double y2, Color color) override;
    void DoPoint(double x, double y, Color color) override;
    void DoCircle(double cx, double cy, double radius, Color color) override;
    void DoText(double x, double y, const std::string& text) override;
    void DoFillRect(double x1, double y1, double x2, double y2, Color color) override;
    void DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                  const std::vector<Color>& pixels) override;

  private:
    QPainter& GeometryPainter(Color color);
    // Paints now, or keeps `paint` for later while deferring.
    template <class Paint>
    void Draw(Paint&& paint);
    void PaintText(double x, double y, const QFont& font, const QString& text, Color color);
    double PixelsToTwips(double logicalPixels) const;

    double dpi_;
    double lineWidth_;
    // Twips to logical pixels.
    QTransform twipsToPixels_;
    mutable std::unique_ptr<QPainter> painter_;
    std::optional<Color> linePen_;  // the colour of the painter's line pen, when it has one
    mutable TextFontResolver fonts_;
    std::vector<std::function<void()>> deferred_;
};

}  // namespace quorbel
