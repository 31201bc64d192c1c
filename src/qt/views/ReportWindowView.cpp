#include "ReportWindowView.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "GraphWidget.h"
#include "report/Report.h"
#include "surface/Fonts.h"

namespace quorbel {

ReportWindowView::ReportWindowView(QWidget* owner)
    : QWidget(owner, Qt::Window), area_(new GraphWidget(kReportWidth, kReportHeight, this)) {
    setObjectName(QStringLiteral("Form5"));
    area_->setObjectName(QStringLiteral("Form5Area"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ImageSurface& ReportWindowView::Surface() {
    return area_->Surface();
}

void ReportWindowView::Sync(const ViewState& view) {
    setWindowTitle(ToQString(view.caption));
    area_->update();
    if (view.shown != isVisible()) setVisible(view.shown);
    if (view.raised != raised_) {
        raised_ = view.raised;
        raise();
        activateWindow();
    }
}

void ReportWindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose) onClose();
}

}  // namespace quorbel
