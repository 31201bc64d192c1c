#include "QtPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
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

std::optional<std::string> QtPlatform::OpenFileName(const std::string& filter) {
    // Only the description is shown: it already names the pattern.
    const std::string description = filter.substr(0, filter.find('|'));
    const QString name =
        QFileDialog::getOpenFileName(window_, QString(), QString(), ToQString(description));
    if (name.isEmpty()) return std::nullopt;
    return QFile::encodeName(name).toStdString();
}

void QtPlatform::Quit() {
    // Queued, so the handler that asked for it finishes before the loop ends.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

}  // namespace quorbel
