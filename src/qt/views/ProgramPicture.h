#pragma once
// The program's own picture (its icon), as the about and splash windows show it.
#include <QPixmap>
#include <QSize>

namespace quorbel {

// The picture centred in `size` (logical pixels) at `devicePixelRatio`, keeping its
// proportions, on a transparent ground.
QPixmap ProgramPicture(QSize size, qreal devicePixelRatio);

}  // namespace quorbel
