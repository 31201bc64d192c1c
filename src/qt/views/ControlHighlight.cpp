// The frame a lesson draws around the control it points the student to.
#include <QFrame>

#include "ControlBinder.h"

namespace quorbel {

// A frame drawn around the control a lesson points to, over whatever lies near it; it
// lets the mouse through to the control.
void ControlBinder::SyncHighlight(const std::string& control) {
    QWidget* target = Widget(control);
    if (!target || !target->isVisible()) {
        if (highlight_) highlight_->hide();
        return;
    }
    QWidget* top = target->window();
    if (!highlight_ || highlight_->parentWidget() != top) {
        delete highlight_;
        highlight_ = new QFrame(top);
        highlight_->setObjectName(QStringLiteral("lessonHighlight"));
        highlight_->setAttribute(Qt::WA_TransparentForMouseEvents);
        highlight_->setStyleSheet(
            QStringLiteral("border: 3px solid #e07000; background: transparent;"));
    }
    const QPoint at = target->mapTo(top, QPoint(0, 0));
    highlight_->setGeometry(QRect(at, target->size()).adjusted(-4, -4, 4, 4));
    highlight_->show();
    highlight_->raise();
}

}  // namespace quorbel
