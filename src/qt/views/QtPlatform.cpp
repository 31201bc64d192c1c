#include "QtPlatform.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include "surface/Fonts.h"

namespace quorbel {

void QtPlatform::MessageBox(const std::string& text) {
    // A message has no title of its own: it carries the program's, which is the title
    // of its main window (empty while there is none).
    const QString title = window_ ? window_->window()->windowTitle() : QString();
    QMessageBox box(QMessageBox::NoIcon, title, ToQString(text), QMessageBox::Ok, window_);
    box.exec();
}

void QtPlatform::Quit() {
    // Queued, so the handler that asked for it finishes before the loop ends.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

}  // namespace quorbel
