#include "ControlBinder.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
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
#include <cstring>
#include <optional>

#include "GraphWidget.h"
#include "Translations.h"
#include "Zoom.h"
#include "media/MediaModule.h"
#include "platform/DecimalMark.h"
#include "surface/Fonts.h"
#include "windows/ControlNames.h"
#include "windows/LabelPicture.h"
#include "windows/Mnemonics.h"

namespace quorbel {

namespace {

// A list of choices: a row is chosen by a click or the keyboard, never by the list
// itself, which makes its first row current when it takes the focus with none.
class ChoiceList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        const QSignalBlocker block(this);
        const int chosen = currentRow();
        QListWidget::focusInEvent(event);
        if (currentRow() != chosen) setCurrentRow(chosen);
    }
};

}  // namespace

int TwipsToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(twips / ImageSurface::kTwipsPerInch * widget->logicalDpiX() *
                            ScreenZoom());
}

ControlBinder::ControlBinder(const ViewState& initial, QWidget* owner, QMenuBar* menuBar,
                             const SurfaceSource& surfaces)
    : QObject(owner), context_(initial.name) {
    CreateMenus(initial, menuBar);
    CreateControls(initial, owner, surfaces);
    // The keys the window's table gives its controls (a second one after "; ").
    for (const auto& [name, control] : initial.controls)
        if (!control.shortcut.empty())
            SetShortcut(name, QKeySequence::listFromString(ToQString(control.shortcut),
                                                           QKeySequence::PortableText));
}

bool ControlBinder::IsDrawingArea(const ViewState& initial, const std::string& name) {
    const auto found = initial.controls.find(name);
    if (found == initial.controls.end() || found->second.kind != ControlKind::Picture) return false;
    const bool container =
        std::any_of(initial.controls.begin(), initial.controls.end(), [&name](const auto& other) {
            return other.second.parent == name && other.second.kind == ControlKind::Picture;
        });
    return !container || found->second.drawn;
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

void ControlBinder::SetShortcut(const std::string& control, const QList<QKeySequence>& keys) {
    if (const auto found = actions_.find(control); found != actions_.end())
        found->second->setShortcuts(keys);
    else if (auto* button = qobject_cast<QAbstractButton*>(Widget(control)))
        button->setShortcut(keys.front());
    keys_[control] = keys.front().toString();
}

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

void ControlBinder::CreateControls(const ViewState& initial, QWidget* background,
                                   const SurfaceSource& surfaces) {
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
                if (!IsDrawingArea(initial, name)) {
                    widget = new QWidget(parent);
                } else {
                    // A drawing area has the size its table row gives, in twips.
                    ImageSurface* kept = surfaces ? surfaces(name) : nullptr;
                    auto* graph = kept ? new GraphWidget(*kept, parent)
                                       : new GraphWidget(std::max(control.width, 1.0),
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
                widget = new ChoiceList(parent);
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
    if (control.font) SetZoomedFont(widget, *control.font);
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

// The table's order, except that the cells of a table (control arrays of equal length
// side by side in one frame) are read row by row, as a line of the table is filled in.
std::vector<std::string> ControlBinder::ReadingOrder() const {
    std::vector<std::string> names = order_;
    auto arrayOf = [](const std::string& name) {
        const auto open = name.rfind('(');
        return open == std::string::npos ? std::string() : name.substr(0, open);
    };
    for (size_t i = 0; i < names.size();) {
        // The run of array elements from i that share what holds them.
        size_t end = i;
        while (end < names.size() && !arrayOf(names[end]).empty() &&
               widgets_.at(names[end])->parentWidget() == widgets_.at(names[i])->parentWidget())
            ++end;
        std::vector<std::string> arrays;
        for (size_t k = i; k < end; ++k)
            if (arrays.empty() || arrays.back() != arrayOf(names[k]))
                arrays.push_back(arrayOf(names[k]));
        const size_t rows = arrays.empty() ? 0 : (end - i) / arrays.size();
        if (arrays.size() > 1 && rows * arrays.size() == end - i) {
            size_t at = i;
            for (size_t row = 0; row < rows; ++row)
                for (const std::string& array : arrays)
                    names[at++] = array + "(" + std::to_string(row) + ")";
        }
        i = std::max(end, i + 1);
    }
    return names;
}

std::vector<QWidget*> ControlBinder::TabOrder() const {
    std::vector<QWidget*> chain;
    for (const std::string& name : ReadingOrder()) {
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
        graph->SetKeyHandler(nullptr);
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
            BindButton(button, n);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // Typing only changes the field (and with it plotState); nothing is
            // recomputed until a calculation button is pressed. Every change that does
            // not come from Sync (which blocks the signals) is the user's: typed,
            // pasted, undone, or set by an assistive tool through the field's
            // accessible text.
            connect(edit, &QLineEdit::textChanged, this, [this, n](const QString& text) {
                if (window_ && run_) run_([&] { window_->Type(n, text.toStdString()); });
            });
        } else if (qobject_cast<QLabel*>(widget) && window.Answers(n, Event::Click)) {
            widget->installEventFilter(this);
        } else if (auto* bar = qobject_cast<QAbstractSlider*>(widget)) {
            connect(bar, &QAbstractSlider::valueChanged, this,
                    [this, n](int value) { Fire(n, Event::Change, {.value = value}); });
        } else if (auto* list = qobject_cast<QListWidget*>(widget);
                   list && window.Answers(n, Event::Change)) {
            // A row chosen by the user (a click, the keyboard): Sync blocks the signals.
            connect(list, &QListWidget::currentRowChanged, this, [this, n](int row) {
                if (row >= 0) Fire(n, Event::Change, {.value = row});
            });
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
        if (!window.Answers(n, Event::KeyPress)) continue;
        graph->SetKeyHandler([this, n](int key, int shift) {
            Fire(n, Event::KeyPress, {.shift = shift, .value = key});
        });
        // A frame that only holds the graph hands it the focus the window gives it.
        QWidget* holder = graph->parentWidget();
        if (holder && !graphs_.count(holder->objectName().toStdString()) &&
            widgets_.count(holder->objectName().toStdString()))
            holder->setFocusProxy(graph);
    }
    // The graphs that take keys join the keyboard's order, in their reading place.
    SetTabOrder();
}

// --- events

void ControlBinder::BindButton(QAbstractButton* button, const std::string& name) {
    // A press and its click are what the mouse, the space bar and an assistive tool's
    // "Press" give alike (they all end in QAbstractButton::click).
    connect(button, &QAbstractButton::pressed, this, [this, name] {
        pressed_ = name;
        Fire(name, Event::MouseDown);
    });
    connect(button, &QAbstractButton::released, this, [this] { pressed_.clear(); });
    connect(button, &QAbstractButton::clicked, this, [this, name] { Fire(name, Event::Click); });
    // The model decides which option is selected, so Sync sets the check mark with
    // the signals blocked and every other change of it is the user's. A toggle inside
    // a press is the click's own; a toggle without one (an assistive tool's "Toggle")
    // is a whole click, given to the model as the mouse gives it.
    connect(button, &QAbstractButton::toggled, this, [this, name] {
        if (pressed_ == name) return;
        Fire(name, Event::MouseDown);
        Fire(name, Event::Click);
    });
}

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
    if (captionsChanged_) MarkMenus(view);
    // Names come from the labels' texts as just shown.
    for (const auto& [name, widget] : widgets_) SyncAccessible(name, widget);
    SyncGraphs();
    SyncHighlight(view.highlight);
    if (view.focus != focus_) {
        focus_ = view.focus;
        if (QWidget* widget = Widget(focus_)) widget->setFocus();
    }
}

// What a screen reader says of a control: its caption (Qt reads it from the widget),
// or the words the window gives for it (a graph), or the labels a reader pairs it
// with, as the window shows them, or else its tooltip; its description: what the window says it
// shows, or its tooltip.
void ControlBinder::SyncAccessible(const std::string& name, QWidget* widget) {
    if (!widget->isVisible() && !widget->accessibleName().isEmpty()) return;
    const Description said = window_->Describe(name);
    QString spoken = ToQString(said.name);
    if (spoken.isEmpty() && !HasCaption(widget)) spoken = LabelledName(name);
    // A field with no label beside or above it is named by its tooltip.
    if (spoken.isEmpty() && !HasCaption(widget)) spoken = widget->toolTip();
    if (spoken.isEmpty() && !HasCaption(widget) && widget->parentWidget())
        spoken = widget->parentWidget()->accessibleName();
    if (widget->accessibleName() != spoken) widget->setAccessibleName(spoken);
    const QString description = said.text.empty() ? widget->toolTip() : ToQString(said.text);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

bool ControlBinder::HasCaption(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QGroupBox*>(widget);
}

// "Number of cycles (per second)" for the field beside that label; "a, row 3" for the
// third cell of the column headed "a".
QString ControlBinder::LabelledName(const std::string& name) const {
    const NamingLabels labels = NamingLabelsOf(window_->View(), name);
    auto text = [this](const std::string& label) {
        const auto* widget = qobject_cast<const QLabel*>(Widget(label));
        return widget ? widget->text() : QString();
    };
    const QString row = text(labels.row), column = text(labels.column);
    if (labels.element < 0) return row.isEmpty() ? column : row;
    if (column.isEmpty()) return row;
    if (row.isEmpty()) return tr("%1, row %2").arg(column).arg(labels.element + 1);
    return row + ", " + column;
}

// A menu's or menu entry's caption as shown; its mnemonic is added once all captions
// of its menu are known.
void ControlBinder::Entitle(const std::string& name, const QString& caption) {
    QString& shown = menuCaptions_[name];
    if (shown == caption) return;
    shown = caption;
    captionsChanged_ = true;
}

// Every menu's entries, and the menu bar's, get letters of their own, picked from the
// captions as shown; the captions themselves stay as the window has them.
void ControlBinder::MarkMenus(const ViewState& view) {
    captionsChanged_ = false;
    std::map<std::string, std::vector<std::string>> entries;  // by the menu holding them
    for (const std::string& name : view.order)
        if (menuCaptions_.count(name)) entries[view[name].parent].push_back(name);
    for (const auto& [menu, names] : entries) {
        std::vector<std::string> captions;
        for (const std::string& name : names) captions.push_back(menuCaptions_[name].toStdString());
        const auto offsets = MnemonicOffsets(captions);
        for (size_t k = 0; k < names.size(); ++k) {
            const QString marked = QString::fromStdString(WithMnemonic(captions[k], offsets[k]));
            if (const auto found = menus_.find(names[k]); found != menus_.end())
                found->second->setTitle(marked);
            else
                actions_.at(names[k])->setText(marked);
        }
    }
}

void ControlBinder::SyncWidget(const std::string& name, const ControlState& control) {
    const QString caption = Text(control.caption);
    const QString tooltip = Text(control.tooltip);
    if (const auto menu = menus_.find(name); menu != menus_.end()) {
        Entitle(name, caption);
        menu->second->menuAction()->setEnabled(control.enabled);
        menu->second->menuAction()->setVisible(control.visible);
        return;
    }
    if (const auto found = actions_.find(name); found != actions_.end()) {
        QAction* action = found->second;
        if (!action->isSeparator()) Entitle(name, caption);
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
    // A button's key is told in its tooltip, as a menu shows an entry's beside it.
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && !button->shortcut().isEmpty())
        widget->setToolTip((tooltip.isEmpty() ? QString() : tooltip + " ") + "(" +
                           button->shortcut().toString(QKeySequence::NativeText) + ")");
    else
        widget->setToolTip(tooltip);
    widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);

    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        const QSignalBlocker block(radio);
        radio->setText(caption);
        radio->setChecked(control.checked);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        if (button->text() != caption) {
            button->setText(caption);  // which sets the button's key from its caption
            if (const auto key = keys_.find(name); key != keys_.end())
                button->setShortcut(QKeySequence(key->second));
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (control.picture.rfind(kPictureFile, 0) == 0)
            return ShowPictureFile(label, control.picture.substr(std::strlen(kPictureFile)));
        const QString picture = label->property("picture").toString();
        if (!picture.isEmpty()) {
            MediaModule* media = label->pixmap().size() != label->size() ? Media() : nullptr;
            if (media)
                label->setPixmap(media->ProgramPicture(label->size(), label->devicePixelRatioF()));
            return;
        }
        const std::optional<std::string> bound = window_->BoundText(name);
        label->setText(bound ? ToQString(*bound) : caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setReadOnly(control.locked);
        SyncBackground(edit, control.backColor);
        const QString text = ToQString(window_->BoundText(name).value_or(""));
        // Only a real change is written back, so the caret stays where the user types;
        // a student's "0,5", which the window holds as "0.5", stays as typed.
        if (ToQString(EnteredNumberText(edit->text().toStdString())) != text) {
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
        const QSignalBlocker block(list);
        SyncRows(list, control.items);
        // A list whose rows are choices shows the row the window has chosen (none: -1).
        if (window_ && window_->Answers(name, Event::Change)) {
            const int chosen = control.value < list->count() ? control.value : -1;
            if (list->currentRow() != chosen) list->setCurrentRow(chosen);
        }
    }
}

// The list shows the control's rows exactly: a row that differs is written anew, rows
// past the control's are removed and missing ones appended, so a table computed again
// never shows a row of the run before.
void ControlBinder::SyncRows(QListWidget* list, const std::vector<std::string>& items) {
    const int count = static_cast<int>(items.size());
    while (list->count() > count) delete list->takeItem(list->count() - 1);
    for (int row = 0; row < list->count(); ++row) {
        const QString text = ToQString(items[static_cast<size_t>(row)]);
        if (list->item(row)->text() != text) list->item(row)->setText(text);
    }
    for (int row = list->count(); row < count; ++row)
        list->addItem(ToQString(items[static_cast<size_t>(row)]));
}

void ControlBinder::SyncBackground(QLineEdit* edit, std::optional<Color> back) {
    // A text box's ground is its palette's base; the model marks a field by giving it
    // a colour and takes the mark away by giving none, which restores the first ground.
    if (!edit->property("plainBase").isValid())
        edit->setProperty("plainBase", edit->palette().color(QPalette::Base));
    const QColor want = back ? QColor(RedOf(*back), GreenOf(*back), BlueOf(*back))
                             : edit->property("plainBase").value<QColor>();
    if (edit->palette().color(QPalette::Base) == want) return;
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, want);
    edit->setPalette(palette);
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
        std::vector<GraphWidget::FocusLine> cursors;
        for (const auto& [lineName, line] : view.lines) {
            if (line.over != name) continue;
            if (const auto focused = view.whileFocused.find(lineName);
                focused != view.whileFocused.end())
                cursors.push_back({line, Widget(focused->second)});
            else
                lines.push_back(line);
        }
        graph->SetLines(std::move(lines), std::move(cursors));  // repaints the picture as well
    }
}

}  // namespace quorbel
