// What a lesson adds to a window's look: the frame around the control it points the
// student to, and the pictures of its steps.
#include <QFrame>
#include <QLabel>
#include <QPixmap>

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

void ControlBinder::ShowPictureFile(QLabel* label, const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QSize size = label->size();
    if (label->property("pictureFile").toString() == file &&
        label->property("pictureSize").toSize() == size)
        return;
    label->setProperty("pictureFile", file);
    label->setProperty("pictureSize", size);
    label->setAlignment(Qt::AlignCenter);
    const QPixmap picture(file);
    if (picture.isNull()) return label->setText(file);  // not a picture Qt can read
    label->setPixmap(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace quorbel
