#include "ImageSurface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace quorbel {

namespace {

QColor ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Device pixels for a length in twips, never less than one.
int DevicePixels(double twips, double dpi, double ratio) {
    const double pixels = twips / ImageSurface::kTwipsPerInch * dpi * ratio;
    return std::max(1, static_cast<int>(std::lround(pixels)));
}

}  // namespace

ImageSurface::ImageSurface(double widthTwips, double heightTwips, double dpi,
                           double devicePixelRatio)
    : widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      dpi_(dpi > 0 ? dpi : 96.0),
      devicePixelRatio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    const double pixelsPerTwip = dpi_ / kTwipsPerInch;
    twipsToPixels_ = QTransform::fromScale(pixelsPerTwip, pixelsPerTwip);
    CreateImage();
}

ImageSurface::~ImageSurface() {
    EndPainting();
}

void ImageSurface::CreateImage() {
    EndPainting();
    image_ = QImage(DevicePixels(widthTwips_, dpi_, devicePixelRatio_),
                    DevicePixels(heightTwips_, dpi_, devicePixelRatio_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio_);
    // Fonts are sized in points at the logical DPI, whatever the pixel ratio.
    const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(ToQColor(BackColor()));
}

void ImageSurface::Resize(double widthTwips, double heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    CreateImage();
}

const QImage& ImageSurface::Image() const {
    EndPainting();
    return image_;
}

QPainter& ImageSurface::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        // The one place where twips become pixels.
        painter_->setWorldTransform(twipsToPixels_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        painter_->setBrush(Qt::NoBrush);
    }
    return *painter_;
}

void ImageSurface::EndPainting() const {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter& ImageSurface::GeometryPainter(Color color) {
    QPainter& painter = Painter();
    // Cosmetic: one logical pixel wide whatever the twips scale.
    QPen pen(ToQColor(color));
    pen.setCosmetic(true);
    pen.setWidthF(1.0);
    painter.setPen(pen);
    return painter;
}

double ImageSurface::PixelsToTwips(double logicalPixels) const {
    return logicalPixels / dpi_ * kTwipsPerInch;
}

void ImageSurface::DoCls() {
    EndPainting();
    image_.fill(ToQColor(BackColor()));
}

void ImageSurface::DoLine(double x1, double y1, double x2, double y2, Color color) {
    GeometryPainter(color).drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void ImageSurface::DoPoint(double x, double y, Color color) {
    GeometryPainter(color).drawPoint(QPointF(x, y));
}

void ImageSurface::DoCircle(double cx, double cy, double radius, Color color) {
    GeometryPainter(color).drawEllipse(QPointF(cx, cy), radius, radius);
}

void ImageSurface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    Painter().fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), ToQColor(color));
}

void ImageSurface::DoText(double x, double y, const std::string& text) {
    const auto [font, str] = fonts_.Resolve(Font(), text);
    QPainter& painter = Painter();
    // Fonts are sized in logical pixels, so text is placed through the twips mapping
    // but drawn without it; the surface's position is the top-left corner of the text,
    // Qt's is the baseline.
    const QPointF topLeft = twipsToPixels_.map(QPointF(x, y));
    const QFontMetricsF metrics(font, &image_);
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(ToQColor(ForeColor()));
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), str);
    painter.restore();
}

double ImageSurface::TextWidth(const std::string& text) const {
    const auto [font, str] = fonts_.Resolve(Font(), text);
    return PixelsToTwips(QFontMetricsF(font, &image_).horizontalAdvance(str));
}

double ImageSurface::TextHeight() const {
    // A printed line is the font's height plus its external leading, so lines printed
    // one under the other neither touch nor overlap.
    return PixelsToTwips(QFontMetricsF(fonts_.FontFor(Font()), &image_).lineSpacing());
}

double ImageSurface::AverageCharWidth() const {
    return PixelsToTwips(QFontMetricsF(fonts_.FontFor(Font()), &image_).averageCharWidth());
}

}  // namespace quorbel
