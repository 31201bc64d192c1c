#include "HelpWindowViews.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ControlBinder.h"

namespace quorbel {

void AboutWindowView::LayOut(ControlBinder& binder, QVBoxLayout& layout) {
    for (const char* name : {"picIcon", "lblTitle", "lblVersion", "lblDescription"}) {
        auto* label = static_cast<QLabel*>(binder.Widget(name));
        label->setWordWrap(true);
        layout.addWidget(label);
    }
    auto* bottom = new QHBoxLayout;
    auto* credit = static_cast<QLabel*>(binder.Widget("lblDisclaimer"));
    credit->setWordWrap(true);
    bottom->addWidget(credit, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(binder.Widget("cmdOK"));
    buttons->addWidget(binder.Widget("cmdSysInfo"));
    bottom->addLayout(buttons);
    layout.addLayout(bottom);
    setFixedWidth(480);
}

void SplashWindowView::LayOut(ControlBinder& binder, QVBoxLayout& layout) {
    QWidget* frame = binder.Widget("Frame1");
    auto* inside = new QVBoxLayout(frame);
    for (const char* name :
         {"imgLogo", "lblProductName", "lblPlatform", "lblVersion", "Image1", "lblWarning"})
        inside->addWidget(binder.Widget(name));
    layout.addWidget(frame);
    setWindowFlag(Qt::FramelessWindowHint);
}

void SplashWindowView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (onKey) onKey();
}

}  // namespace quorbel
