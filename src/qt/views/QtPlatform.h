#pragma once
// The platform services of the desktop program: message boxes with an OK button only,
// titled like the program's main window, and the end of the program.
#include <QPointer>
#include <QWidget>

#include "platform/Platform.h"

namespace quorbel {

class QtPlatform : public Platform {
  public:
    explicit QtPlatform(QWidget* window = nullptr) : window_(window) {}

    // The window that owns the message boxes; its title is theirs.
    void SetWindow(QWidget* window) { window_ = window; }

    void MessageBox(const std::string& text) override;
    // Leaves the event loop as soon as the running handler has returned.
    void Quit() override;
    // The toolkit's file dialog; "Description (*.ext)|*.ext" becomes its name filter.
    std::optional<std::string> OpenFileName(const std::string& filter) override;

  private:
    QPointer<QWidget> window_;
};

}  // namespace quorbel
