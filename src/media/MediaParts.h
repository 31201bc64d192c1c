#pragma once
// The parts of the media module (MediaModule.h) that are not a class of their own.
#include <QIODevice>
#include <QPixmap>
#include <QSize>
#include <memory>

#include "media/MediaModule.h"

namespace quorbel {

QPixmap ProgramPicture(QSize size, qreal devicePixelRatio);
bool WriteSvgPicture(const PictureRequest& request, QIODevice& output);
std::unique_ptr<PrinterChoice> SystemPrinter();

}  // namespace quorbel
