#pragma once
// The widgets of one window, built from its control table and bound to its model by
// control name. Every window view owns one: it builds a widget per control (object
// name = control name) in table order inside what holds it (a frame, a picture),
// keeps the keyboard order the table's reading order, reports every widget event to
// the model's entry point, and copies the model's whole ViewState back into the
// widgets, each placed at its twips rectangle.
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "windows/Window.h"

class QAbstractButton;
class QFrame;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class QLabel;
class QLineEdit;
class QListWidget;

namespace quorbel {

class GraphWidget;
class ImageSurface;

// A length in twips as whole pixels of `widget`'s screen (1440 twips per inch at its
// logical DPI) at the windows' zoom (Zoom.h), cut toward zero as widget geometry is.
int TwipsToPixels(const QWidget* widget, double twips);

class ControlBinder : public QObject {
    Q_OBJECT

  public:
    // The surface a drawing area of that name shows, when its owner keeps one; nullptr:
    // the area makes its own.
    using SurfaceSource = std::function<ImageSurface*(const std::string& control)>;

    // Builds the widgets of `initial` as children of `owner`, and its menus in
    // `menuBar` when one is given. Drawing areas exist from here on, so a model can be
    // built on their surfaces before Attach.
    ControlBinder(const ViewState& initial, QWidget* owner, QMenuBar* menuBar = nullptr,
                  const SurfaceSource& surfaces = {});

    // Whether the control of that name is a drawing area (a picture box that holds no
    // other picture boxes, or one drawn on) rather than a container.
    static bool IsDrawingArea(const ViewState& initial, const std::string& name);

    // Hands every widget event to `window`; `run` wraps each call (the view counts the
    // handlers in progress and syncs afterwards).
    void Attach(Window& window, std::function<void(const std::function<void()>&)> run);
    // Stops handing events on and reading the window (before the window goes).
    void Detach();

    // Copies the window's captions, states, bound texts, values, line objects and
    // focus into the widgets.
    void Sync();

    // The key that clicks a button or chooses a menu entry: a menu shows it beside
    // the entry, a button's tooltip after its text, and Qt hands it to assistive tools.
    // A menu entry takes every key given; a button the first.
    void SetShortcut(const std::string& control, const QList<QKeySequence>& keys);

    QWidget* Widget(const std::string& name) const;
    GraphWidget* Graph(const std::string& name) const;
    const std::map<std::string, QWidget*>& Widgets() const { return widgets_; }
    const std::map<std::string, GraphWidget*>& Graphs() const { return graphs_; }
    // The controls in table order, and those the keyboard reaches, in its order.
    const std::vector<std::string>& Order() const { return order_; }
    std::vector<QWidget*> TabOrder() const;

  protected:
    // Labels that answer clicks report the release of the mouse over them.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateMenus(const ViewState& initial, QMenuBar* menuBar);
    void CreateControls(const ViewState& initial, QWidget* owner, const SurfaceSource& surfaces);
    void SyncWidget(const std::string& name, const ControlState& control);
    void SyncAccessible(const std::string& name, QWidget* widget);
    void Entitle(const std::string& name, const QString& caption);
    void MarkMenus(const ViewState& view);
    std::vector<std::string> ReadingOrder() const;
    static bool HasCaption(const QWidget* widget);
    QString LabelledName(const std::string& name) const;
    void SyncGraphs();
    void SyncHighlight(const std::string& control);
    // A picture file (a lesson's) shown whole in the label, its proportions kept.
    static void ShowPictureFile(QLabel* label, const std::string& path);
    void Place(QWidget* widget, const ControlState& control);
    void ApplyLook(QWidget* widget, const ControlState& control);
    void SyncBackground(QLineEdit* edit, std::optional<Color> back);
    static void SyncRows(QListWidget* list, const std::vector<std::string>& items);
    void SetTabOrder();
    void BindButton(QAbstractButton* button, const std::string& name);
    void Fire(const std::string& control, Event event, const EventArgs& args = {});
    QString Text(const std::string& english) const;

    std::string context_;  // the window's name: the context of its texts' translations
    Window* window_ = nullptr;
    std::function<void(const std::function<void()>&)> run_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QAction*> actions_;  // menu items, separators, menus' actions
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, GraphWidget*> graphs_;
    std::vector<std::string> order_;
    std::string focus_;
    std::string pressed_;
    std::map<std::string, QString> menuCaptions_;  // menus' and entries' captions as shown
    bool captionsChanged_ = false;
    std::map<std::string, QString> keys_;  // the keys given to buttons, kept over captions
    QFrame* highlight_ = nullptr;          // around the control a lesson points to
};

}  // namespace quorbel
