#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "MediaParts.h"
#include "ProgramPictureSvg.h"

namespace quorbel {

QPixmap ProgramPicture(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (size.isEmpty()) return pixmap;
    QSvgRenderer renderer{QByteArray(kProgramSvg)};
    const int side = std::min(size.width(), size.height());
    QPainter painter(&pixmap);
    renderer.render(&painter,
                    QRectF((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side));
    return pixmap;
}

}  // namespace quorbel
