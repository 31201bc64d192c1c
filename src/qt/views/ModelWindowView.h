#pragma once
// A secondary window of the program built from its model's control table: a
// top-level window of its own (closing with its owner), a menu bar when the table
// has menus, the widgets of the table bound through a ControlBinder, and the window's
// title, visibility and raising taken from the model's ViewState. Subclasses add the
// layout only.
#include <QWidget>
#include <functional>
#include <string>

#include "windows/Window.h"

class QVBoxLayout;

namespace quorbel {

class ControlBinder;

class ModelWindowView : public QWidget {
    Q_OBJECT

  public:
    using Runner = std::function<void(const std::function<void()>&)>;

    // windowControl: the name under which the model answers clicks on the window's
    // background.
    ModelWindowView(QWidget* owner, const std::string& windowControl);

    // Builds the widgets of `window`, lays them out and hands their events to it
    // through `run`.
    void Bind(Window& window, Runner run);
    void Sync();

    ControlBinder* Binder() const { return binder_; }

    // Told when the user closes the window.
    std::function<void()> onClose;

  protected:
    virtual void LayOut(ControlBinder& binder, QVBoxLayout& layout) = 0;
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::string windowControl_;
    Window* window_ = nullptr;
    Runner run_;
    ControlBinder* binder_ = nullptr;
    int raised_ = 0;
};

}  // namespace quorbel
