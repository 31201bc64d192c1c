#include "BitmapWindowView.h"

#include <QVBoxLayout>

#include "GraphWidget.h"
#include "windows/BitmapWindowModel.h"

namespace quorbel {

BitmapWindowView::BitmapWindowView(QWidget* owner)
    : ModelWindowView(owner, "Form8"),
      area_(new GraphWidget(kBitmapOuterWidth, kBitmapOuterHeight, this)) {
    area_->setObjectName(QStringLiteral("Form8Area"));
}

ImageSurface& BitmapWindowView::Surface() {
    return area_->Surface();
}

void BitmapWindowView::LayOut(ControlBinder&, QVBoxLayout& layout) {
    const double pixelsPerTwip = area_->Surface().Dpi() / ImageSurface::kTwipsPerInch;
    area_->setFixedSize(static_cast<int>(kBitmapClientWidth * pixelsPerTwip),
                        static_cast<int>(kBitmapClientHeight * pixelsPerTwip));
    layout.setContentsMargins(0, 0, 0, 0);
    layout.addWidget(area_);
    layout.setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quorbel
