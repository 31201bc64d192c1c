#include "PictureWindowView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ControlBinder.h"
#include "GraphWidget.h"

namespace quorbel {

PictureWindowView::PictureWindowView(QWidget* owner, const std::string& name, double pictureWidth,
                                     double pictureHeight, double shownWidth, double shownHeight)
    : ModelWindowView(owner, name),
      area_(new GraphWidget(pictureWidth, pictureHeight, this)),
      shownWidth_(shownWidth),
      shownHeight_(shownHeight) {
    area_->setObjectName(QString::fromStdString(name + "Area"));
}

ImageSurface& PictureWindowView::Surface() {
    return area_->Surface();
}

void PictureWindowView::LayOut(ControlBinder& binder, QVBoxLayout& layout) {
    if (shownWidth_ > 0 && shownHeight_ > 0) {
        const double pixelsPerTwip = area_->Surface().Dpi() / ImageSurface::kTwipsPerInch;
        area_->setFixedSize(static_cast<int>(shownWidth_ * pixelsPerTwip),
                            static_cast<int>(shownHeight_ * pixelsPerTwip));
    }
    layout.setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    // The phase page's buttons stand on the left of its text.
    if (QWidget* example = binder.Widget("Command1")) {
        auto* buttons = new QVBoxLayout;
        buttons->addWidget(example);
        buttons->addWidget(binder.Widget("Command2"));
        buttons->addStretch();
        row->addLayout(buttons);
    }
    row->addWidget(area_);
    layout.addLayout(row);
    layout.setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quorbel
