#include "PictureFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "ImageSurface.h"
#include "PainterSurface.h"
#include "PrinterSurface.h"
#include "media/MediaModule.h"
#include "platform/Translation.h"

namespace quorbel {

namespace {

constexpr double kScreenDpi = 96.0;

}  // namespace

bool WritePng(const QImage& image, QIODevice& device) {
    QImageWriter writer(&device, "png");
    // zlib's level 2 of 9 (Qt takes a PNG quality q for level (100 - q) * 9 / 91): a
    // spectrogram's cells, close to noise, compress in a quarter of the default level's
    // time and come out about 15 % larger; a graph on a plain ground stays small.
    writer.setQuality(75);
    return writer.write(image);
}

QByteArray PictureBytes(const PictureRequest& request, std::string* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (request.format == PictureFormat::Svg) {
        std::string missing;
        MediaModule* media = Media(&missing);
        if (!media) {
            if (error) *error = missing;
            return {};
        }
        if (!media->WriteSvg(request, buffer)) {
            if (error) *error = Translate("Messages", "the drawing could not be made");
            return {};
        }
    } else if (request.format == PictureFormat::Pdf) {
        // One page of the picture's size, without margins; points are 20 twips.
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("FFT Quorbel"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(request.widthTwips / 20, request.heightTwips / 20),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        PrinterSurface surface(writer);
        if (!surface.Active()) {
            if (error) *error = Translate("Messages", "the document could not be begun");
            return {};
        }
        if (request.draw) request.draw(surface);
        surface.EndDoc();
    } else {
        ImageSurface surface(request.widthTwips, request.heightTwips, kScreenDpi, request.scale);
        if (request.draw) request.draw(surface);
        if (!WritePng(surface.Image(), buffer)) {
            if (error) *error = Translate("Messages", "the image could not be encoded");
            return {};
        }
    }
    return bytes;
}

bool WritePictureFile(const PictureRequest& request, std::string* error, const FileCalls& calls) {
    // A file that cannot be written is refused before the drawing is made.
    if (const std::optional<std::string> why = WhyNotWritable(request.path)) {
        if (error) *error = *why;
        return false;
    }
    const QByteArray bytes = PictureBytes(request, error);
    if (bytes.isEmpty()) return false;
    return ReplaceFile(request.path,
                       std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                       calls, error);
}

}  // namespace quorbel
