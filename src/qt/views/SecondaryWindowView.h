#pragma once
// A secondary window of the main window (the report, the inverse results, the raw file
// window):
// a top-level window whose client area is the window model's own drawing surface,
// with the controls of its table built over it by a ControlBinder at their twips
// positions. It follows the model's ViewState: shown, hidden, brought to the front.
#include <QWidget>
#include <functional>
#include <string>

#include "windows/Window.h"

class QMenuBar;

namespace quorbel {

class ControlBinder;
class GraphWidget;
class ImageSurface;

class SecondaryWindowView : public QWidget {
    Q_OBJECT

  public:
    // `initial`: the window's control table; the client area is width x height twips.
    SecondaryWindowView(QWidget* owner, const ViewState& initial, double width, double height,
                        const char* objectName);

    ImageSurface& Surface();
    GraphWidget* Graph(const std::string& name) const;
    GraphWidget* Area() const { return area_; }  // the client area
    ControlBinder& Binder() { return *binder_; }
    void Attach(Window& window, std::function<void(const std::function<void()>&)> run);
    void Sync();
    // Copies the model into the widgets and paints them at once, while a handler still
    // runs (the progress of a long step).
    void RepaintNow();

    std::function<void()> onClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Place();

    Window* window_ = nullptr;
    GraphWidget* area_;
    QMenuBar* menuBar_;
    ControlBinder* binder_;
    int raised_ = 0;
    bool wasMinimized_ = false;  // the model's wish at the last sync
};

}  // namespace quorbel
