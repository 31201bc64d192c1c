#pragma once
// Exported pictures: a drawing made again on a fresh surface and written as a PNG
// image (an ImageSurface at 96 dpi and the request's device pixel ratio) or as an SVG
// drawing (the same painter surface on Qt's SVG generator, in 96-dpi pixels, drawn by the
// media module: MediaModule.h) or as a
// one-page PDF document of the picture's size (a PrinterSurface on Qt's PDF writer). The
// file is written by ReplaceFile: under a temporary name in its folder, renamed over
// the old one only when complete.
#include <QByteArray>
#include <string>

class QImage;
class QIODevice;

#include "platform/Platform.h"
#include "state/FileReplace.h"

namespace quorbel {

// `image` as a PNG file on `device`, compressed at a fast level; false when it cannot
// be encoded.
bool WritePng(const QImage& image, QIODevice& device);

// The content of the file; empty, with the reason in `error`, when it cannot be made.
QByteArray PictureBytes(const PictureRequest& request, std::string* error);

// False, with the reason in `error`, when the file cannot be written.
bool WritePictureFile(const PictureRequest& request, std::string* error,
                      const FileCalls& calls = FileCalls::System());

}  // namespace quorbel
