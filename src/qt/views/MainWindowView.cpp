// Building the main window's widgets from the control table, connecting them to the
// model's handlers and copying the model's state back after every handler.
#include "MainWindowView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <functional>
#include <optional>

#include "GraphWidget.h"
#include "ReportWindowView.h"
#include "surface/Fonts.h"

namespace quorbel {

namespace {

// The window's background: the central widget and the unnamed boxes that only
// arrange the controls. Moves and clicks that land there, and not on a control,
// belong to the window itself.
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

MainWindowView::MainWindowView(Platform& platform, const std::filesystem::path& paramFile,
                               QWidget* parent)
    : QMainWindow(parent) {
    RegisterFontSubstitutions();
    // The controls' own font, whose metrics the layout was made for.
    setFont(MakeFont(FontState{}));

    // The window is built from the table the model starts with; the drawing areas
    // must exist before the model, which draws on them from its first handler on.
    const ViewState initial = MainWindowInitialView();
    setWindowTitle(ToQString(initial.caption));
    CreateMenus(initial);
    CreateControls(initial);
    report_ = new ReportWindowView(this);
    model_ = std::make_unique<MainWindowModel>(
        platform, ParamFile(paramFile),
        MainWindowSurfaces{graphs_.at("Picture1")->Surface(), graphs_.at("Picture2")->Surface(),
                           graphs_.at("Picture8")->Surface(), graphs_.at("Picture9")->Surface(),
                           report_->Surface()});
    report_->onClose = [this] { RunCall([this] { model_->Report().Form_Unload(); }); };
    // The hourglass shows as soon as a handler asks for it, while it still works.
    model_->onMousePointerChange = [this](int pointer) { ApplyPointer(pointer); };
    LayOut();
    Connect();
    Sync();
}

MainWindowView::~MainWindowView() {
    if (waitCursor_) QApplication::restoreOverrideCursor();
}

bool MainWindowView::Load() {
    ++running_;
    const bool loaded = model_->Form_Load();
    --running_;
    Sync();
    return loaded;
}

GraphWidget* MainWindowView::Graph(const std::string& name) const {
    const auto it = graphs_.find(name);
    return it == graphs_.end() ? nullptr : it->second;
}

// --- building

void MainWindowView::CreateMenus(const ViewState& initial) {
    for (const std::string& name : initial.order) {
        const ControlState& control = initial.controls.at(name);
        const auto parentMenu = menus_.find(control.parent);
        QMenu* parent = parentMenu == menus_.end() ? nullptr : parentMenu->second;
        switch (control.kind) {
            case ControlKind::Menu: {
                QMenu* menu = parent ? parent->addMenu(ToQString(control.caption))
                                     : menuBar()->addMenu(ToQString(control.caption));
                menu->setObjectName(QString::fromStdString(name));
                menu->menuAction()->setObjectName(QString::fromStdString(name));
                menus_[name] = menu;
                break;
            }
            case ControlKind::MenuItem: {
                auto* action = new QAction(ToQString(control.caption), this);
                action->setObjectName(QString::fromStdString(name));
                action->setCheckable(control.checkable);
                if (parent)
                    parent->addAction(action);
                else
                    menuBar()->addAction(action);  // an entry of the menu bar itself
                actions_[name] = action;
                break;
            }
            case ControlKind::Separator:
                if (parent) {
                    QAction* separator = parent->addSeparator();
                    separator->setObjectName(QString::fromStdString(name));
                    actions_[name] = separator;
                }
                break;
            default:
                break;
        }
    }
}

void MainWindowView::CreateControls(const ViewState& initial) {
    auto* background = new Background(this);
    setCentralWidget(background);
    background->onMove = [this] { Fire(kWindowControl, Event::MouseMove); };
    background->onClick = [this] { Fire(kWindowControl, Event::Click); };

    for (const auto& [name, control] : initial.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::Button:
                widget = new QPushButton(background);
                break;
            case ControlKind::Option: {
                auto* option = new QRadioButton(background);
                // The model decides which option of a group is selected.
                option->setAutoExclusive(false);
                widget = option;
                break;
            }
            case ControlKind::TextBox:
                widget = new QLineEdit(background);
                break;
            case ControlKind::Label: {
                auto* label = new QLabel(background);
                label->setTextFormat(Qt::PlainText);  // captions are text, never markup
                widget = label;
                break;
            }
            case ControlKind::Frame:
                widget = new QGroupBox(background);
                break;
            case ControlKind::Picture: {
                const bool container = std::any_of(
                    initial.controls.begin(), initial.controls.end(), [&name](const auto& other) {
                        return other.second.parent == name &&
                               other.second.kind == ControlKind::Picture;
                    });
                if (container) {
                    widget = new QWidget(background);
                } else {
                    const double w = control.width > 0 ? control.width : kPicture1Width;
                    const double h = control.height > 0 ? control.height : kPicture1Height;
                    auto* graph = new GraphWidget(w, h, background);
                    graphs_[name] = graph;
                    widget = graph;
                }
                break;
            }
            case ControlKind::ScrollBar:
                widget = new QScrollBar(Qt::Horizontal, background);
                break;
            case ControlKind::Slider:
                widget = new QSlider(Qt::Horizontal, background);
                break;
            default:
                break;  // menus are built by CreateMenus
        }
        if (!widget) continue;
        widget->setObjectName(QString::fromStdString(name));
        widgets_[name] = widget;
    }
}

void MainWindowView::Connect() {
    // Every widget reports its events under its control name; the model's control
    // table decides which of them do something.
    for (const auto& [name, action] : actions_)
        connect(action, &QAction::triggered, this, [this, n = name] { Fire(n, Event::Click); });
    for (const auto& [name, widget] : widgets_) {
        const std::string n = name;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::pressed, this,
                    [this, n] { Fire(n, Event::MouseDown); });
            connect(button, &QAbstractButton::clicked, this, [this, n] { Fire(n, Event::Click); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // Typing only changes the field (and with it plotState); nothing is
            // recomputed until a calculation button is pressed.
            connect(edit, &QLineEdit::textEdited, this, [this, n](const QString& text) {
                RunCall([&] { model_->Type(n, text.toStdString()); });
            });
        } else if (auto* bar = qobject_cast<QAbstractSlider*>(widget)) {
            connect(bar, &QAbstractSlider::valueChanged, this,
                    [this, n](int value) { Fire(n, Event::Change, {.value = value}); });
        }
    }
    for (const auto& [name, graph] : graphs_) {
        const std::string n = name;
        auto forward = [this, n](Event event) {
            return [this, n, event](int button, int shift, double x, double y) {
                Fire(n, event, {.button = button, .shift = shift, .x = x, .y = y});
            };
        };
        graph->SetMouseDownHandler(forward(Event::MouseDown));
        graph->SetMouseMoveHandler(forward(Event::MouseMove));
        graph->SetMouseUpHandler(forward(Event::MouseUp));
    }
}

// --- events

void MainWindowView::Fire(const std::string& control, Event event, const EventArgs& args) {
    RunCall([&] { model_->Fire(control, event, args); });
}

template <class Call>
void MainWindowView::RunCall(Call&& call) {
    ++running_;
    call();
    --running_;
    Sync();
}

bool MainWindowView::event(QEvent* event) {
    // Activation after start-up only, and never in the middle of a handler (a message
    // box that closes gives the window back its activation).
    if (event->type() == QEvent::WindowActivate && model_ && model_->View().shown && running_ == 0)
        RunCall([this] { model_->Form_Activate(); });
    return QMainWindow::event(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    RunCall([this] { model_->Form_Unload(); });
    event->accept();
}

// --- copying the model's state into the widgets

void MainWindowView::Sync() {
    const ViewState& view = model_->View();
    setWindowTitle(ToQString(view.caption));
    for (const auto& [name, control] : view.controls) SyncWidget(name, control);
    SyncGraphs();
    SyncPointerAndFocus();
    report_->Sync(model_->Report().View());
}

void MainWindowView::SyncWidget(const std::string& name, const ControlState& control) {
    const QString caption = ToQString(control.caption);
    const QString tooltip = ToQString(control.tooltip);
    if (const auto menu = menus_.find(name); menu != menus_.end()) {
        menu->second->setTitle(caption);
        menu->second->menuAction()->setEnabled(control.enabled);
        menu->second->menuAction()->setVisible(control.visible);
        return;
    }
    if (const auto found = actions_.find(name); found != actions_.end()) {
        QAction* action = found->second;
        if (!action->isSeparator()) action->setText(caption);
        action->setToolTip(tooltip);
        action->setEnabled(control.enabled);
        action->setVisible(control.visible);
        if (action->isCheckable()) action->setChecked(control.checked);
        return;
    }
    const auto found = widgets_.find(name);
    if (found == widgets_.end()) return;
    QWidget* widget = found->second;
    widget->setToolTip(tooltip);
    widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);

    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        const QSignalBlocker block(radio);
        radio->setText(caption);
        radio->setChecked(control.checked);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const std::optional<std::string> bound = model_->BoundText(name);
        label->setText(bound ? ToQString(*bound) : caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setReadOnly(control.locked);
        const QString text = ToQString(model_->BoundText(name).value_or(""));
        // Only a real change is written back, so the caret stays where the user types.
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        const QSignalBlocker block(slider);
        slider->setRange(control.min, control.max);
        slider->setValue(control.value);
        slider->setSingleStep(control.smallChange);
        slider->setPageStep(control.largeChange);
        PlaceOverGraph(slider, control);
    } else if (auto* graph = qobject_cast<GraphWidget*>(widget)) {
        graph->SetMousePointer(control.mousePointer);
    }
}

void MainWindowView::PlaceOverGraph(QWidget* widget, const ControlState& control) {
    if (!qobject_cast<GraphWidget*>(widget->parentWidget())) return;
    const QWidget* area = widget->parentWidget();
    const int height =
        control.height >= 0 ? static_cast<int>(Px(control.height)) : widget->sizeHint().height();
    const int width = control.width >= 0 ? static_cast<int>(Px(control.width)) : area->width();
    const int top = control.top >= 0 ? static_cast<int>(Px(control.top)) : area->height() - height;
    widget->setGeometry(static_cast<int>(Px(std::max(control.left, 0.0))), top, width, height);
}

void MainWindowView::SyncGraphs() {
    const ViewState& view = model_->View();
    for (const auto& [name, graph] : graphs_) {
        std::vector<LineObject> lines;
        for (const auto& [lineName, line] : view.lines)
            if (line.over == name) lines.push_back(line);
        graph->SetLines(std::move(lines));  // repaints the picture as well
    }
}

void MainWindowView::ApplyPointer(int pointer) {
    const bool wait = pointer == kPointerHourglass;
    if (wait == waitCursor_) return;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    waitCursor_ = wait;
}

void MainWindowView::SyncPointerAndFocus() {
    const ViewState& view = model_->View();
    ApplyPointer(view.mousePointer);
    if (view.focus != focus_) {
        focus_ = view.focus;
        const auto widget = widgets_.find(focus_);
        if (widget != widgets_.end()) widget->second->setFocus();
    }
}

}  // namespace quorbel
