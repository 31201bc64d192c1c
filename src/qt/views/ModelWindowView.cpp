#include "ModelWindowView.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ControlBinder.h"
#include "surface/Fonts.h"

namespace quorbel {

ModelWindowView::ModelWindowView(QWidget* owner, const std::string& windowControl)
    : QWidget(owner, Qt::Window), windowControl_(windowControl) {
    setObjectName(QString::fromStdString(windowControl));
    setFont(MakeFont(FontState{}));
}

void ModelWindowView::Bind(Window& window, Runner run) {
    window_ = &window;
    run_ = std::move(run);
    const ViewState& initial = window.View();
    const bool hasMenus =
        std::any_of(initial.controls.begin(), initial.controls.end(), [](const auto& c) {
            return c.second.kind == ControlKind::Menu || c.second.kind == ControlKind::MenuItem;
        });
    auto* layout = new QVBoxLayout(this);
    QMenuBar* menuBar = nullptr;
    if (hasMenus) {
        menuBar = new QMenuBar(this);
        layout->setMenuBar(menuBar);
    }
    binder_ = new ControlBinder(initial, this, menuBar);
    LayOut(*binder_, *layout);
    binder_->Attach(window, run_);
    Sync();
}

void ModelWindowView::Sync() {
    if (!window_) return;
    const ViewState& view = window_->View();
    setWindowTitle(ToQString(view.caption));
    binder_->Sync();
    if (view.shown != isVisible()) setVisible(view.shown);
    if (view.shown && view.minimized != isMinimized())
        view.minimized ? showMinimized() : showNormal();
    if (view.raised != raised_) {
        raised_ = view.raised;
        raise();
        activateWindow();
    }
}

void ModelWindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose) onClose();
}

void ModelWindowView::mouseReleaseEvent(QMouseEvent* event) {
    // A click that lands on the window itself, not on one of its controls.
    if (window_ && rect().contains(event->position().toPoint()))
        run_([this] { window_->Fire(windowControl_, Event::Click); });
}

}  // namespace quorbel
