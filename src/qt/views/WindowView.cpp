#include "WindowView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "ControlBinder.h"
#include "GraphWidget.h"
#include "Translations.h"
#include "Zoom.h"
#include "surface/Fonts.h"

namespace quorbel {

namespace {

// The background of a window's client area. Moves and clicks that land there, and
// not on a control, belong to the window itself.
class Background : public QWidget {
  public:
    std::function<void()> onMove;
    std::function<void()> onClick;

    explicit Background(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        if (OnBackground(*event) && onMove) onMove();
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint()) && OnBackground(*event) && onClick)
            onClick();
    }

  private:
    bool OnBackground(const QMouseEvent& event) const {
        const QWidget* under = childAt(event.position().toPoint());
        return under == nullptr || under->objectName().isEmpty();
    }
};

}  // namespace

WindowView::WindowView(QWidget* owner, const ViewState& initial, double pictureWidth,
                       double pictureHeight, const SurfaceSource& surfaces)
    : QWidget(owner, Qt::Window) {
    auto* menuBar = new QMenuBar(this);
    Build(initial, menuBar, pictureWidth, pictureHeight, surfaces);
    menuBar->setVisible(!menuBar->actions().isEmpty());
    layout()->setMenuBar(menuBar);
}

WindowView::WindowView(const ViewState& initial, QMainWindow* main) : QWidget(main) {
    Build(initial, main->menuBar(), 0, 0, {});
}

void WindowView::Build(const ViewState& initial, QMenuBar* menuBar, double pictureWidth,
                       double pictureHeight, const SurfaceSource& surfaces) {
    name_ = initial.name;
    setObjectName(QString::fromStdString(name_));
    SetZoomedFont(this, FontState{});
    setWindowTitle(TranslatedText(name_.c_str(), initial.caption));
    if (pictureWidth > 0 && pictureHeight > 0) {
        ImageSurface* kept = surfaces ? surfaces(name_) : nullptr;
        area_ = kept ? new GraphWidget(*kept, this)
                     : new GraphWidget(pictureWidth, pictureHeight, this);
        area_->setObjectName(QString::fromStdString(name_ + "Area"));
        client_ = area_;
    } else {
        auto* background = new Background(this);
        background->onMove = [this] { FireWindow(Event::MouseMove); };
        background->onClick = [this] { FireWindow(Event::Click); };
        client_ = background;
    }
    // The client area keeps the size of the table, whatever is shown or hidden.
    clientWidth_ = std::max(initial.width, 0.0);
    clientHeight_ = std::max(initial.height, 0.0);
    client_->setFixedSize(TwipsToPixels(this, clientWidth_), TwipsToPixels(this, clientHeight_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    binder_ = new ControlBinder(initial, client_, menuBar, surfaces);
}

ImageSurface& WindowView::Surface() {
    return area_->Surface();
}

GraphWidget* WindowView::Graph(const std::string& name) const {
    return binder_->Graph(name);
}

void WindowView::Attach(Window& window, Runner run) {
    window_ = &window;
    run_ = std::move(run);
    binder_->Attach(window, run_);
}

void WindowView::Detach() {
    binder_->Detach();
    window_ = nullptr;
    run_ = nullptr;
}

bool WindowView::FireWindow(Event event, const EventArgs& args) {
    if (!window_ || !run_ || !window_->Answers(name_, event)) return false;
    run_([this, event, args] { window_->Fire(name_, event, args); });
    return true;
}

void WindowView::Sync() {
    if (!window_) return;
    const ViewState& view = window_->View();
    binder_->Sync();
    if (area_) {
        // A window that draws on itself is read aloud as the window says it.
        const Description said = window_->Describe(name_);
        if (area_->accessibleName() != ToQString(said.name))
            area_->setAccessibleName(ToQString(said.name));
        if (area_->accessibleDescription() != ToQString(said.text))
            area_->setAccessibleDescription(ToQString(said.text));
        area_->update();
    }
    if (!isWindow()) return;
    setWindowTitle(TranslatedText(name_.c_str(), view.caption));
    if (view.shown != isVisible()) setVisible(view.shown);
    if (view.raised != raised_) {
        raised_ = view.raised;
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
    }
    if (view.minimized != wasMinimized_) {
        wasMinimized_ = view.minimized;
        if (view.minimized && view.shown) showMinimized();
    }
}

void WindowView::ApplyZoom() {
    const double zoom = ScreenZoom();
    RezoomFonts(this);
    if (area_) area_->SetZoom(zoom);
    for (const auto& [name, graph] : binder_->Graphs()) graph->SetZoom(zoom);
    client_->setFixedSize(TwipsToPixels(this, clientWidth_), TwipsToPixels(this, clientHeight_));
    // The controls take their places at the new size.
    Sync();
    if (isWindow()) adjustSize();
}

void WindowView::RepaintNow() {
    Sync();
    repaint();
}

void WindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    FireWindow(Event::Unload);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    if (FireWindow(Event::KeyPress,
                   {.shift = ShiftCode(event->modifiers()), .value = KeyCodeOf(event->key())}))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace quorbel

namespace quorbel {

void WindowView::mouseReleaseEvent(QMouseEvent* event) {
    // A click that lands on the window itself, not on one of its controls.
    if (rect().contains(event->position().toPoint())) FireWindow(Event::Click);
}

}  // namespace quorbel
