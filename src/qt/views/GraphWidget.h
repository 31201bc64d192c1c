#pragma once
// One drawing area of a window. It shows the ImageSurface the window model draws on
// (its own, or one its owner keeps): the surface's persistent picture, then the line objects that
// lie over this area (cursor and guide lines, which the model moves without redrawing the picture).
// Mouse events are handed on in the units the model works in, and the keys of a graph that takes
// them (it then shows when it has the keyboard focus).
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "surface/ImageSurface.h"
#include "windows/ViewState.h"
#include "windows/Window.h"

namespace quorbel {

// The model's codes of the Shift, Ctrl and Alt keys held (1, 2, 4, summed), and of the
// keys a graph or a window answers (KeyCode); 0 for the other keys.
int ShiftCode(Qt::KeyboardModifiers modifiers);
int KeyCodeOf(int key);

class GraphWidget : public QWidget {
    Q_OBJECT

  public:
    // button: for a press the button pressed, for a move the buttons held, as a sum of
    // 1 (left), 2 (right) and 4 (middle). shift: 1 Shift, 2 Ctrl, 4 Alt, summed.
    // x and y in twips from the area's top-left corner.
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
    // key: the model's KeyCode; shift as for the mouse.
    using KeyHandler = std::function<void(int key, int shift)>;
    // A line drawn only while `focused` has the keyboard focus (a keyboard cursor).
    struct FocusLine {
        LineObject line;
        const QWidget* focused = nullptr;
    };

    // The surface has the given size in twips at the primary screen's logical DPI and
    // device pixel ratio, at the windows' zoom (Zoom.h); the widget keeps the size of
    // that picture.
    GraphWidget(double widthTwips, double heightTwips, QWidget* parent = nullptr);
    // Shows `surface`, which its owner keeps while the widget exists: a window made on
    // first use shows what the model has drawn on it since start-up.
    explicit GraphWidget(ImageSurface& surface, QWidget* parent = nullptr);
    // A surface of that size as a graph makes its own.
    static std::unique_ptr<ImageSurface> MakeSurface(double widthTwips, double heightTwips);

    // The picture drawn again at `zoom`, and the widget's size with it.
    void SetZoom(double zoom);

    ImageSurface& Surface() { return *surface_; }
    const ImageSurface& Surface() const { return *surface_; }

    // The line objects drawn over the picture; invisible ones are skipped.
    void SetLines(std::vector<LineObject> lines, std::vector<FocusLine> focusLines = {});
    // A pointer code of the model (kPointerUpArrow, kPointerHourglass, ...).
    void SetMousePointer(int pointer);

    void SetMouseMoveHandler(MouseHandler handler) { onMove_ = std::move(handler); }
    void SetMouseDownHandler(MouseHandler handler) { onDown_ = std::move(handler); }
    void SetMouseUpHandler(MouseHandler handler) { onUp_ = std::move(handler); }
    // The graph takes the keyboard focus (by Tab and by a click) and hands on the keys
    // the model's graphs answer; nullptr: it takes no keys.
    void SetKeyHandler(KeyHandler handler);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    double TwipsPerPixel() const {
        return ImageSurface::kTwipsPerInch / (surface_->Dpi() * surface_->Zoom());
    }
    void Forward(const MouseHandler& handler, int button, const QMouseEvent& event) const;

    std::unique_ptr<ImageSurface> own_;  // none when the owner keeps the surface
    ImageSurface* surface_;
    std::vector<LineObject> lines_;
    std::vector<FocusLine> focusLines_;
    KeyHandler onKey_;
    int mousePointer_ = -1;
    MouseHandler onMove_;
    MouseHandler onDown_;
    MouseHandler onUp_;
};

}  // namespace quorbel
