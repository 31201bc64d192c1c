#include "ImageSurface.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <algorithm>
#include <cmath>

#include "platform/Translation.h"

namespace quorbel {

namespace {

// Device pixels for a length in twips, never less than one.
int DevicePixels(double twips, double dpi, double ratio) {
    const double pixels = twips / ImageSurface::kTwipsPerInch * dpi * ratio;
    return std::max(1, static_cast<int>(std::lround(pixels)));
}

QColor Background(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace

ImageSurface::ImageSurface(double widthTwips, double heightTwips, double dpi,
                           double devicePixelRatio)
    : PainterSurface(dpi, 1.0),
      widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      devicePixelRatio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
    CreateImage();
}

void ImageSurface::CreateImage() {
    EndPainting();
    kept_ = QImage();
    ForgetPicture();
    // The pixels are made when first drawn on or shown: a window that is never opened
    // costs no memory for its pictures.
    image_ = QImage();
    ForgetDeferred();
    blank_ = Background(BackColor());
}

QSizeF ImageSurface::LogicalSize() const {
    return QSizeF(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_),
                  DevicePixels(heightTwips_, Dpi(), devicePixelRatio_)) /
           devicePixelRatio_;
}

QImage& ImageSurface::Pixels() const {
    if (!image_.isNull()) return image_;
    image_ = QImage(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_),
                    DevicePixels(heightTwips_, Dpi(), devicePixelRatio_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio_);
    // Fonts are sized in points at the logical DPI, whatever the pixel ratio.
    const int dotsPerMeter = static_cast<int>(std::lround(Dpi() / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(blank_);
    auto* self = const_cast<ImageSurface*>(this);
    self->PaintDeferred();
    EndPainting();
    return image_;
}

QPaintDevice* ImageSurface::MetricsDevice() const {
    if (!image_.isNull()) return &image_;
    if (metrics_.isNull()) {
        // Text measures by the device's logical resolution alone.
        metrics_ = QImage(1, 1, QImage::Format_RGB32);
        metrics_.setDevicePixelRatio(devicePixelRatio_);
        const int dotsPerMeter = static_cast<int>(std::lround(Dpi() / 0.0254));
        metrics_.setDotsPerMeterX(dotsPerMeter);
        metrics_.setDotsPerMeterY(dotsPerMeter);
    }
    return &metrics_;
}

void ImageSurface::Resize(double widthTwips, double heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    CreateImage();
}

void ImageSurface::KeepPicture() {
    EndPainting();
    kept_ = Pixels();
}

bool ImageSurface::RestorePicture() {
    if (kept_.isNull()) return false;
    EndPainting();
    image_ = kept_;
    return true;
}

const QImage& ImageSurface::Image() const {
    EndPainting();
    return Pixels();
}

QByteArray ImageSurface::BitmapBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!Image().convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) return {};
    return bytes;
}

bool ImageSurface::SaveBitmap(const std::string& path, std::string* error) {
    return SaveBitmap(path, error, FileCalls::System());
}

bool ImageSurface::SaveBitmap(const std::string& path, std::string* error, const FileCalls& calls) {
    const QByteArray bytes = BitmapBytes();
    if (bytes.isEmpty()) {
        if (error) *error = Translate("Messages", "the picture could not be encoded");
        return false;
    }
    return ReplaceFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                       calls, error);
}

void ImageSurface::DoCls() {
    EndPainting();
    if (image_.isNull()) {
        ForgetDeferred();
        blank_ = Background(BackColor());  // the image, when made, starts cleared
    } else
        image_.fill(Background(BackColor()));
}

}  // namespace quorbel
