#include "SecondaryWindowView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ControlBinder.h"
#include "GraphWidget.h"
#include "surface/Fonts.h"

namespace quorbel {

SecondaryWindowView::SecondaryWindowView(QWidget* owner, const ViewState& initial, double width,
                                         double height, const char* objectName)
    : QWidget(owner, Qt::Window),
      area_(new GraphWidget(width, height, this)),
      menuBar_(new QMenuBar(this)) {
    setObjectName(QString::fromLatin1(objectName));
    area_->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Area"));
    setFont(MakeFont(FontState{}));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(area_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    binder_ = new ControlBinder(initial, area_, menuBar_);
    menuBar_->setVisible(!menuBar_->actions().isEmpty());
    // Pictures inside pictures: the widget tree follows the table, so a band clips
    // what it holds.
    for (const auto& [name, control] : initial.controls) {
        QWidget* widget = binder_->Widget(name);
        QWidget* parent = binder_->Widget(control.parent);
        if (widget && parent) widget->setParent(parent);
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(true);
    }
    setWindowTitle(ToQString(initial.caption));
}

ImageSurface& SecondaryWindowView::Surface() {
    return area_->Surface();
}

GraphWidget* SecondaryWindowView::Graph(const std::string& name) const {
    return binder_->Graph(name);
}

void SecondaryWindowView::Attach(Window& window,
                                 std::function<void(const std::function<void()>&)> run) {
    window_ = &window;
    binder_->Attach(window, std::move(run));
}

void SecondaryWindowView::Place() {
    // Controls with a position in the table stand there; an empty label with a size
    // is a frame.
    for (const auto& [name, control] : window_->View().controls) {
        QWidget* widget = binder_->Widget(name);
        if (!widget || control.width < 0) continue;
        widget->setGeometry(TwipsToPixels(this, control.left), TwipsToPixels(this, control.top),
                            std::max(TwipsToPixels(this, control.width), 0),
                            TwipsToPixels(this, control.height));
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && control.caption.empty() && !window_->BoundText(name)) {
            label->setFrameShape(QFrame::Box);
        }
    }
}

void SecondaryWindowView::Sync() {
    if (!window_) return;
    const ViewState& view = window_->View();
    setWindowTitle(ToQString(view.caption));
    binder_->Sync();
    Place();
    area_->update();
    if (view.shown != isVisible()) setVisible(view.shown);
    if (view.raised != raised_) {
        raised_ = view.raised;
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
    }
    if (view.minimized != wasMinimized_) {
        wasMinimized_ = view.minimized;
        if (view.minimized) showMinimized();
    }
}

void SecondaryWindowView::RepaintNow() {
    Sync();
    repaint();
}

void SecondaryWindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose) onClose();
}

}  // namespace quorbel
