#include "ControlBinder.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <optional>

#include "GraphWidget.h"
#include "ProgramPicture.h"
#include "Translations.h"
#include "surface/Fonts.h"

namespace quorbel {

int TwipsToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(twips / ImageSurface::kTwipsPerInch * widget->logicalDpiX());
}

ControlBinder::ControlBinder(const ViewState& initial, QWidget* owner, QMenuBar* menuBar)
    : QObject(owner), context_(initial.name) {
    CreateMenus(initial, menuBar);
    CreateControls(initial, owner);
}

QWidget* ControlBinder::Widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

GraphWidget* ControlBinder::Graph(const std::string& name) const {
    const auto it = graphs_.find(name);
    return it == graphs_.end() ? nullptr : it->second;
}

// --- building

void ControlBinder::CreateMenus(const ViewState& initial, QMenuBar* menuBar) {
    if (!menuBar) return;
    for (const std::string& name : initial.order) {
        const ControlState& control = initial.controls.at(name);
        const auto parentMenu = menus_.find(control.parent);
        QMenu* parent = parentMenu == menus_.end() ? nullptr : parentMenu->second;
        switch (control.kind) {
            case ControlKind::Menu: {
                const QString title = Text(control.caption);
                QMenu* menu = parent ? parent->addMenu(title) : menuBar->addMenu(title);
                menu->setObjectName(QString::fromStdString(name));
                // An entry's tooltip says why it is disabled, where the table says so.
                menu->setToolTipsVisible(true);
                menu->menuAction()->setObjectName(QString::fromStdString(name));
                // A disabled entry's tooltip says why it cannot be used.
                menu->setToolTipsVisible(true);
                menus_[name] = menu;
                break;
            }
            case ControlKind::MenuItem: {
                auto* action = new QAction(Text(control.caption), this);
                action->setObjectName(QString::fromStdString(name));
                action->setCheckable(control.checkable);
                if (parent)
                    parent->addAction(action);
                else
                    menuBar->addAction(action);  // an entry of the menu bar itself
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

void ControlBinder::CreateControls(const ViewState& initial, QWidget* background) {
    // Table order: what holds a control comes before it, and the order of creation is
    // the order the window reads.
    for (const std::string& name : initial.order) {
        const ControlState& control = initial.controls.at(name);
        QWidget* holder = Widget(control.parent);
        QWidget* parent = holder ? holder : background;
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::Button:
                widget = new QPushButton(parent);
                break;
            case ControlKind::Option: {
                auto* option = new QRadioButton(parent);
                // The model decides which option of a group is selected.
                option->setAutoExclusive(false);
                widget = option;
                break;
            }
            case ControlKind::TextBox:
                widget = new QLineEdit(parent);
                break;
            case ControlKind::Label: {
                auto* label = new QLabel(parent);
                label->setTextFormat(Qt::PlainText);  // captions are text, never markup
                label->setWordWrap(true);
                if (control.rule) label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
                if (control.border) label->setFrameShape(QFrame::Box);
                widget = label;
                break;
            }
            case ControlKind::Frame:
                widget = new QGroupBox(parent);
                break;
            case ControlKind::Picture: {
                const bool container =
                    std::any_of(initial.controls.begin(), initial.controls.end(),
                                [&name](const auto& other) {
                                    return other.second.parent == name &&
                                           other.second.kind == ControlKind::Picture;
                                }) &&
                    !control.drawn;
                if (container) {
                    widget = new QWidget(parent);
                } else {
                    // A drawing area has the size its table row gives, in twips.
                    auto* graph = new GraphWidget(std::max(control.width, 1.0),
                                                  std::max(control.height, 1.0), parent);
                    graphs_[name] = graph;
                    widget = graph;
                }
                break;
            }
            case ControlKind::ScrollBar:
                widget = new QScrollBar(Qt::Horizontal, parent);
                break;
            case ControlKind::Slider:
                widget = new QSlider(Qt::Horizontal, parent);
                break;
            case ControlKind::ProgressBar:
                widget = new QProgressBar(parent);
                break;
            case ControlKind::ListBox:
                widget = new QListWidget(parent);
                break;
            default:
                break;  // menus are built by CreateMenus
        }
        if (!widget) continue;
        widget->setObjectName(QString::fromStdString(name));
        widgets_[name] = widget;
        order_.push_back(name);
        ApplyLook(widget, control);
        Place(widget, control);
    }
    SetTabOrder();
}

void ControlBinder::ApplyLook(QWidget* widget, const ControlState& control) {
    if (control.font) widget->setFont(MakeFont(*control.font));
    if (control.foreColor || control.backColor) {
        QPalette palette = widget->palette();
        auto color = [](Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); };
        if (control.foreColor) {
            palette.setColor(QPalette::WindowText, color(*control.foreColor));
            palette.setColor(QPalette::ButtonText, color(*control.foreColor));
        }
        if (control.backColor) {
            palette.setColor(QPalette::Window, color(*control.backColor));
            widget->setAutoFillBackground(true);
        }
        widget->setPalette(palette);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && !control.picture.empty()) {
        label->setAlignment(Qt::AlignCenter);
        label->setProperty("picture", QString::fromStdString(control.picture));
    }
}

void ControlBinder::SetTabOrder() {
    const std::vector<QWidget*> chain = TabOrder();
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

std::vector<QWidget*> ControlBinder::TabOrder() const {
    std::vector<QWidget*> chain;
    for (const std::string& name : order_) {
        QWidget* widget = widgets_.at(name);
        if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    }
    return chain;
}

void ControlBinder::Detach() {
    window_ = nullptr;
    run_ = nullptr;
    for (const auto& [name, graph] : graphs_) {
        graph->SetMouseDownHandler(nullptr);
        graph->SetMouseMoveHandler(nullptr);
        graph->SetMouseUpHandler(nullptr);
    }
}

void ControlBinder::Attach(Window& window, std::function<void(const std::function<void()>&)> run) {
    window_ = &window;
    run_ = std::move(run);
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
                if (window_ && run_) run_([&] { window_->Type(n, text.toStdString()); });
            });
        } else if (qobject_cast<QLabel*>(widget) && window.Answers(n, Event::Click)) {
            widget->installEventFilter(this);
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

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            Fire(label->objectName().toStdString(), Event::Click);
            return true;
        }
    return QObject::eventFilter(watched, event);
}

void ControlBinder::Fire(const std::string& control, Event event, const EventArgs& args) {
    if (window_ && run_) run_([&] { window_->Fire(control, event, args); });
}

// --- copying the model's state into the widgets

QString ControlBinder::Text(const std::string& english) const {
    // Captions, menu texts and tooltips are translated here, and only here, by their
    // exact English text with the window's name as the context. What a control shows
    // from the window's data (numbers, file names) is never translated.
    return TranslatedText(context_.c_str(), english);
}

void ControlBinder::Sync() {
    if (!window_) return;
    const ViewState& view = window_->View();
    for (const auto& [name, control] : view.controls) SyncWidget(name, control);
    SyncGraphs();
    if (view.focus != focus_) {
        focus_ = view.focus;
        if (QWidget* widget = Widget(focus_)) widget->setFocus();
    }
}

void ControlBinder::SyncWidget(const std::string& name, const ControlState& control) {
    const QString caption = Text(control.caption);
    const QString tooltip = Text(control.tooltip);
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
    Place(widget, control);
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
        const QString picture = label->property("picture").toString();
        if (!picture.isEmpty()) {
            if (label->pixmap().size() != label->size())
                label->setPixmap(ProgramPicture(label->size(), label->devicePixelRatioF()));
            return;
        }
        const std::optional<std::string> bound = window_->BoundText(name);
        label->setText(bound ? ToQString(*bound) : caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setReadOnly(control.locked);
        const QString text = ToQString(window_->BoundText(name).value_or(""));
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
    } else if (auto* graph = qobject_cast<GraphWidget*>(widget)) {
        graph->SetMousePointer(control.mousePointer);
    } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
        bar->setRange(control.min, control.max);
        bar->setValue(control.value);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        // Rows are only ever appended, or all removed when the window is loaded anew.
        const int count = static_cast<int>(control.items.size());
        if (list->count() > count) list->clear();
        for (int row = list->count(); row < count; ++row)
            list->addItem(ToQString(control.items[static_cast<size_t>(row)]));
    }
}

void ControlBinder::Place(QWidget* widget, const ControlState& control) {
    // Every control stands at its rectangle in twips within what holds it; a control
    // without a place of its own (width -1) keeps the size Qt gives it.
    if (control.width < 0 || control.height < 0) return;
    const QRect rect(TwipsToPixels(widget, control.left), TwipsToPixels(widget, control.top),
                     TwipsToPixels(widget, control.width), TwipsToPixels(widget, control.height));
    if (widget->geometry() != rect) widget->setGeometry(rect);
}

void ControlBinder::SyncGraphs() {
    const ViewState& view = window_->View();
    for (const auto& [name, graph] : graphs_) {
        std::vector<LineObject> lines;
        for (const auto& [lineName, line] : view.lines)
            if (line.over == name) lines.push_back(line);
        graph->SetLines(std::move(lines));  // repaints the picture as well
    }
}

}  // namespace quorbel
