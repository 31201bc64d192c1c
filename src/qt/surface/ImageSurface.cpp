#include "ImageSurface.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <algorithm>
#include <cmath>

#include "platform/Translation.h"

namespace quorbel {

namespace {

// Device pixels for a length in twips, never less than one: those of the screen's
// ratio, times the zoom, so that a zoom of 2 gives exactly twice the pixels.
int DevicePixels(double twips, double dpi, double ratio, double zoom = 1) {
    const double pixels = twips / ImageSurface::kTwipsPerInch * dpi * ratio;
    const double base = static_cast<double>(std::max(1L, std::lround(pixels)));
    return std::max(1, static_cast<int>(std::lround(base * zoom)));
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
    Forget();
}

void ImageSurface::Forget() {
    primitives_.clear();
    rasters_.clear();
    texts_.clear();
    replayable_ = true;
    keptMark_.reset();
}

QSizeF ImageSurface::LogicalSize() const {
    return QSizeF(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_),
                  DevicePixels(heightTwips_, Dpi(), devicePixelRatio_)) /
           devicePixelRatio_;
}

QSizeF ImageSurface::ZoomedSize() const {
    return QSizeF(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_, zoom_),
                  DevicePixels(heightTwips_, Dpi(), devicePixelRatio_, zoom_)) /
           devicePixelRatio_;
}

QImage& ImageSurface::Pixels() const {
    if (!image_.isNull()) return image_;
    image_ =
        QImage(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_, zoom_),
               DevicePixels(heightTwips_, Dpi(), devicePixelRatio_, zoom_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(DevicePixelRatio());
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
    keptMark_ = Now();
}

bool ImageSurface::RestorePicture() {
    if (kept_.isNull()) return false;
    EndPainting();
    image_ = kept_;
    // What was drawn after the kept part is gone from the picture, and from its list.
    if (keptMark_ && replayable_) {
        primitives_.resize(keptMark_->primitives);
        rasters_.resize(keptMark_->rasters);
        texts_.resize(keptMark_->texts);
    }
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
    const QImage picture = zoom_ == 1 ? Image() : Replayed(1);
    if (!picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) return {};
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
    // The image, when made (or drawn again at another zoom), starts cleared.
    blank_ = Background(BackColor());
    if (image_.isNull())
        ForgetDeferred();
    else
        image_.fill(blank_);
    primitives_.clear();
    rasters_.clear();
    texts_.clear();
    replayable_ = true;
}

// --- the primitives kept for another zoom

void ImageSurface::Keep(Primitive primitive) {
    if (!replayable_) return;
    if (primitives_.size() >= kMaxKeptPrimitives) {
        // Too much to keep: a new zoom stretches this picture's pixels instead.
        replayable_ = false;
        primitives_.clear();
        rasters_.clear();
        texts_.clear();
        return;
    }
    primitives_.push_back(primitive);
}

void ImageSurface::DoLine(double x1, double y1, double x2, double y2, Color color) {
    Keep({Primitive::Kind::Line, x1, y1, x2, y2, color, 0});
    PainterSurface::DoLine(x1, y1, x2, y2, color);
}

void ImageSurface::DoPoint(double x, double y, Color color) {
    Keep({Primitive::Kind::Point, x, y, 0, 0, color, 0});
    PainterSurface::DoPoint(x, y, color);
}

void ImageSurface::DoCircle(double cx, double cy, double radius, Color color) {
    Keep({Primitive::Kind::Circle, cx, cy, radius, 0, color, 0});
    PainterSurface::DoCircle(cx, cy, radius, color);
}

void ImageSurface::DoFillRect(double x1, double y1, double x2, double y2, Color color) {
    Keep({Primitive::Kind::Box, x1, y1, x2, y2, color, 0});
    PainterSurface::DoFillRect(x1, y1, x2, y2, color);
}

void ImageSurface::DoRaster(double x1, double y1, double x2, double y2, int columns, int rows,
                            const std::vector<Color>& pixels) {
    if (replayable_) {
        Keep({Primitive::Kind::Raster, x1, y1, x2, y2, 0, rasters_.size()});
        if (replayable_) rasters_.push_back({columns, rows, pixels});
    }
    PainterSurface::DoRaster(x1, y1, x2, y2, columns, rows, pixels);
}

void ImageSurface::DoText(double x, double y, const std::string& text) {
    if (replayable_) {
        Keep({Primitive::Kind::Text, x, y, 0, 0, ForeColor(), texts_.size()});
        if (replayable_) texts_.push_back({text, Font()});
    }
    PainterSurface::DoText(x, y, text);
}

void ImageSurface::Replay(const Primitive& p) {
    switch (p.kind) {
        case Primitive::Kind::Line:
            return PainterSurface::DoLine(p.x1, p.y1, p.x2, p.y2, p.color);
        case Primitive::Kind::Point:
            return PainterSurface::DoPoint(p.x1, p.y1, p.color);
        case Primitive::Kind::Circle:
            return PainterSurface::DoCircle(p.x1, p.y1, p.x2, p.color);
        case Primitive::Kind::Box:
            return PainterSurface::DoFillRect(p.x1, p.y1, p.x2, p.y2, p.color);
        case Primitive::Kind::Raster: {
            const RasterCells& raster = rasters_[p.item];
            return PainterSurface::DoRaster(p.x1, p.y1, p.x2, p.y2, raster.columns, raster.rows,
                                            raster.pixels);
        }
        case Primitive::Kind::Text: {
            // Printed in the font and colour it had; the surface's own stay as they are.
            const FontState font = Font();
            const Color fore = ForeColor();
            const TextItem& text = texts_[p.item];
            SetFontName(text.font.name);
            SetFontSize(text.font.size);
            SetFontBold(text.font.bold);
            SetFontItalic(text.font.italic);
            SetForeColor(p.color);
            PainterSurface::DoText(p.x1, p.y1, text.text);
            SetFontName(font.name);
            SetFontSize(font.size);
            SetFontBold(font.bold);
            SetFontItalic(font.italic);
            SetForeColor(fore);
            return;
        }
    }
}

void ImageSurface::SetZoom(double zoom) {
    if (!(zoom > 0) || zoom == zoom_) return;
    EndPainting();
    const QImage old = image_;
    zoom_ = zoom;
    // Lines grow with the rest: as many device pixels wide as the zoom.
    SetLineWidth(zoom);
    image_ = QImage();
    if (old.isNull()) {
        kept_ = QImage();
        ForgetPicture();
        return;  // made at the new size when first drawn on or shown
    }
    if (!replayable_) {
        // Only the pixels are left: stretched to the new size.
        kept_ = QImage();
        ForgetPicture();
        image_ = old.scaled(DevicePixels(widthTwips_, Dpi(), devicePixelRatio_, zoom_),
                            DevicePixels(heightTwips_, Dpi(), devicePixelRatio_, zoom_),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image_.setDevicePixelRatio(DevicePixelRatio());
        return;
    }
    // The picture drawn again; the kept part copied as it is reached.
    const bool hadKept = !kept_.isNull() && keptMark_.has_value();
    kept_ = QImage();
    Pixels();
    for (size_t i = 0; i <= primitives_.size(); ++i) {
        if (hadKept && i == keptMark_->primitives) {
            EndPainting();
            kept_ = image_;  // shares the pixels until the replay paints on
        }
        if (i < primitives_.size()) Replay(primitives_[i]);
    }
    EndPainting();
    if (!hadKept) ForgetPicture();
}

QImage ImageSurface::Replayed(double zoom) const {
    ImageSurface copy(widthTwips_, heightTwips_, Dpi(), devicePixelRatio_);
    copy.zoom_ = zoom;
    copy.blank_ = blank_;
    copy.rasters_ = rasters_;
    copy.texts_ = texts_;
    if (!replayable_)
        return Image().scaled(copy.Pixels().size(), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    copy.Pixels();
    for (const Primitive& p : primitives_) copy.Replay(p);
    return copy.Image();
}

}  // namespace quorbel
