#pragma once
// The view of any window of the program, built from its control table: a client area
// of the size the table gives (fixed while the window exists), every control of the
// table placed at its twips rectangle by a ControlBinder, the menus in a menu bar,
// and the window's own events (clicks and moves on its background, a key, closing)
// fired under the window's name. A top-level window also follows the model's
// ViewState: shown, minimised, brought to the front. Within a main window the view
// is the central part, and the menus go into the main window's menu bar.
#include <QWidget>
#include <functional>
#include <string>

#include "windows/Window.h"

class QMainWindow;
class QMenuBar;

namespace quorbel {

class ControlBinder;
class GraphWidget;
class ImageSurface;

class WindowView : public QWidget {
    Q_OBJECT

  public:
    using Runner = std::function<void(const std::function<void()>&)>;

    // The surface a drawing area shows when its owner keeps one: asked by the control's
    // name, and by the window's name for the window's own picture; nullptr: the area
    // makes its own.
    using SurfaceSource = std::function<ImageSurface*(const std::string& name)>;

    // A top-level window of `owner`. When the window draws on itself, its client area
    // is a picture of pictureWidth x pictureHeight twips, of which the client size of
    // the table is shown.
    WindowView(QWidget* owner, const ViewState& initial, double pictureWidth = 0,
               double pictureHeight = 0, const SurfaceSource& surfaces = {});
    // The central part of `main`, whose menu bar takes the table's menus.
    WindowView(const ViewState& initial, QMainWindow* main);

    // The window's own picture (a window that draws on itself).
    ImageSurface& Surface();
    GraphWidget* Area() const { return area_; }
    // The client area: the window's own picture, or its background.
    QWidget* Client() const { return client_; }
    GraphWidget* Graph(const std::string& name) const;
    // The window shown, once attached.
    const Window* Shown() const { return window_; }
    ControlBinder& Binder() { return *binder_; }
    const ControlBinder& Binder() const { return *binder_; }

    // Hands the widgets' and the window's events to `window` through `run`.
    void Attach(Window& window, Runner run);
    // Stops reading and telling the window (before the window goes).
    void Detach();
    // Copies the window's state into the widgets (and the window's own state into a
    // top-level window).
    void Sync();
    // Copies the model into the widgets and paints them at once, while a handler still
    // runs (the progress of a long step).
    void RepaintNow();
    // Shows the window at the windows' zoom (Zoom.h): its client area, controls, fonts
    // and pictures at that size.
    void ApplyZoom();
    // Fires an event of the window itself; false when it has no handler for it.
    bool FireWindow(Event event, const EventArgs& args = {});

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Build(const ViewState& initial, QMenuBar* menuBar, double pictureWidth,
               double pictureHeight, const SurfaceSource& surfaces);

    std::string name_;
    double clientWidth_ = 0, clientHeight_ = 0;  // twips, from the table
    Window* window_ = nullptr;
    Runner run_;
    GraphWidget* area_ = nullptr;
    QWidget* client_ = nullptr;
    ControlBinder* binder_ = nullptr;
    int raised_ = 0;
    bool wasMinimized_ = false;  // the model's wish at the last sync
};

}  // namespace quorbel
