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
#include "surface/Fonts.h"

namespace quorbel {

namespace {

using M = MainWindowModel;
using Handler = void (M::*)();

// The model's click handlers (menu entries, buttons, option buttons) by control.
// Controls not listed have no behaviour of their own yet: their widgets only show the
// state the model gives them.
const std::map<std::string, Handler>& ClickHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"mnuExitItem", &M::mnuExitItem_Click},
        {"mnuLineItem", &M::mnuLineItem_Click},
        {"mnuPointsItem", &M::mnuPointsItem_Click},
        {"mnuFreqPosItem", &M::mnuFreqPosItem_Click},
        {"mnuFreqNegItem", &M::mnuFreqNegItem_Click},
        {"mnuMultipleWavesItem", &M::mnuMultipleWavesItem_Click},
        {"mnuSimpleWavesItem", &M::mnuSimpleWavesItem_Click},
        {"mnuRealftItem", &M::mnuRealftItem_Click},
        {"mnuImagzeroItem", &M::mnuImagzeroItem_Click},
        {"mnuImagcalcItem", &M::mnuImagcalcItem_Click},
        {"Command1", &M::Command1_Click},
        {"Command5", &M::Command5_Click},
        {"Command6", &M::Command6_Click},
        {"Command9", &M::Command9_Click},
        {"Command16", &M::Command16_Click},
        {"Command17", &M::Command17_Click},
        {"Command18", &M::Command18_Click},
        {"Option1", &M::Option1_Click},
        {"Option2", &M::Option2_Click},
        {"Option3", &M::Option3_Click},
        {"Option4", &M::Option4_Click},
        {"Option5", &M::Option5_Click},
        {"Option6", &M::Option6_Click},
        {"Option7", &M::Option7_Click},
        {"Option8", &M::Option8_Click},
        {"Option9", &M::Option9_Click},
        {"Option10", &M::Option10_Click},
    };
    return handlers;
}

// Presses on option buttons: they mark the parameters as changed before the click.
const std::map<std::string, Handler>& MouseDownHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"Option1", &M::Option1_MouseDown}, {"Option2", &M::Option2_MouseDown},
        {"Option3", &M::Option3_MouseDown}, {"Option4", &M::Option4_MouseDown},
        {"Option5", &M::Option5_MouseDown}, {"Option6", &M::Option6_MouseDown},
        {"Option7", &M::Option7_MouseDown}, {"Option8", &M::Option8_MouseDown},
        {"Option9", &M::Option9_MouseDown},
    };
    return handlers;
}

using MoveHandler = void (M::*)(int, int, double, double);
const std::map<std::string, MoveHandler>& PictureMoveHandlers() {
    static const std::map<std::string, MoveHandler> handlers = {
        {"Picture8", &M::Picture8_MouseMove},
        {"Picture9", &M::Picture9_MouseMove},
    };
    return handlers;
}

// The analysis field a text box shows: "Text2" or a wave-table cell "Text3(4)".
std::optional<std::pair<Field, int>> FieldOf(const std::string& name) {
    static const std::map<std::string, Field> fields = {
        {"Text1", Field::totalPoints},          {"Text7", Field::windowPoints},
        {"Text6", Field::dataExtensionSeconds}, {"Text2", Field::cyclesPerSecond},
        {"Text8", Field::simplePhase},          {"Text3", Field::amplitudeA},
        {"Text4", Field::multiplierB},          {"Text5", Field::phasePhi},
    };
    const auto open = name.find('(');
    const auto it = fields.find(name.substr(0, open));
    if (it == fields.end()) return std::nullopt;
    const int row = open == std::string::npos ? 0 : std::stoi(name.substr(open + 1));
    return std::make_pair(it->second, row);
}

// Labels that show a state item rather than a caption of their own.
const std::string* StateTextOf(const std::string& name, const AnalysisState& state) {
    if (name == "Label22(1)") return &state.Get(Field::windowSeconds);
    if (name == "Label27") return &state.rawFileName;
    if (name == "Label17") return &state.expansionPrompt;
    return nullptr;
}

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
    model_ = std::make_unique<MainWindowModel>(
        platform, ParamFile(paramFile),
        MainWindowSurfaces{graphs_.at("Picture1")->Surface(), graphs_.at("Picture2")->Surface(),
                           graphs_.at("Picture8")->Surface(), graphs_.at("Picture9")->Surface()});
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
    background->onMove = [this] { Run(&M::Form_MouseMove); };
    background->onClick = [this] { Run(&M::Form_Click); };

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
            case ControlKind::TextBox: {
                auto* edit = new QLineEdit(background);
                if (const auto field = FieldOf(name))
                    fields_.push_back({edit, field->first, field->second});
                widget = edit;
                break;
            }
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
                const bool container =
                    std::any_of(initial.controls.begin(), initial.controls.end(),
                                [&name](const auto& other) { return other.second.parent == name; });
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
    for (const auto& [name, handler] : ClickHandlers()) {
        const Handler h = handler;
        if (const auto action = actions_.find(name); action != actions_.end()) {
            connect(action->second, &QAction::triggered, this, [this, h] { Run(h); });
            continue;
        }
        const auto widget = widgets_.find(name);
        if (widget == widgets_.end()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget->second))
            connect(button, &QAbstractButton::clicked, this, [this, h] { Run(h); });
    }
    for (const auto& [name, handler] : MouseDownHandlers()) {
        const Handler h = handler;
        const auto widget = widgets_.find(name);
        if (widget == widgets_.end()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget->second))
            connect(button, &QAbstractButton::pressed, this, [this, h] { Run(h); });
    }
    for (const FieldBinding& binding : fields_) {
        // Typing only changes the field (and with it plotState); nothing is
        // recomputed until a calculation button is pressed.
        connect(binding.edit, &QLineEdit::textEdited, this, [this, binding](const QString& text) {
            RunCall([&] { model_->SetField(binding.field, text.toStdString(), binding.row); });
        });
    }
    for (const auto& [name, handler] : PictureMoveHandlers()) {
        const MoveHandler h = handler;
        if (GraphWidget* graph = Graph(name))
            graph->SetMouseMoveHandler([this, h](int button, int shift, double x, double y) {
                RunCall([&] { (model_.get()->*h)(button, shift, x, y); });
            });
    }
}

// --- events

void MainWindowView::Run(Handler handler) {
    RunCall([&] { (model_.get()->*handler)(); });
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
        Run(&M::Form_Activate);
    return QMainWindow::event(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    Run(&M::Form_Unload);
    event->accept();
}

// --- copying the model's state into the widgets

void MainWindowView::Sync() {
    const ViewState& view = model_->View();
    setWindowTitle(ToQString(view.caption));
    for (const auto& [name, control] : view.controls) SyncWidget(name, control);
    SyncFields();
    SyncGraphs();
    SyncPointerAndFocus();
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
        const std::string* stateText = StateTextOf(name, model_->State());
        label->setText(stateText ? ToQString(*stateText) : caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setReadOnly(control.locked);
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        const QSignalBlocker block(slider);
        slider->setRange(control.min, control.max);
        slider->setValue(control.value);
    } else if (auto* graph = qobject_cast<GraphWidget*>(widget)) {
        graph->SetMousePointer(control.mousePointer);
    }
}

void MainWindowView::SyncFields() {
    for (const FieldBinding& binding : fields_) {
        const QString text = ToQString(model_->State().Get(binding.field, binding.row));
        // Only a real change is written back, so the caret stays where the user types.
        if (binding.edit->text() == text) continue;
        const QSignalBlocker block(binding.edit);
        binding.edit->setText(text);
    }
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
