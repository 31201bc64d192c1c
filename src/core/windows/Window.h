#pragma once
// One entry point to every window: a driver (the Qt view, the command-line companion,
// a test, a fuzzer) names a control and an event, and the window runs the handler its
// control table binds to that pair. Only the window itself calls its handlers by their
// C++ names. A control that has no handler for an event is inert for it.
//
// The control table of a window also binds text boxes and labels to the data items
// they show, so a driver can read what a box shows and type into it by control name.
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/DecimalMark.h"
#include "windows/ViewState.h"

namespace quorbel {

// Unload: the user closes the window; KeyPress: a key pressed while the window, or a
// graph that takes keys, has the focus.
enum class Event { Click, MouseDown, MouseMove, MouseUp, Change, Unload, KeyPress };

// The keys a graph answers, as a KeyPress carries them in `value` (the codes of the
// keyboard's keys, not characters).
enum KeyCode {
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyRight = 39,
};

// What an event carries. Mouse events: button (a press: the button pressed; a move:
// the buttons held; 1 left, 2 right, 4 middle, summed), shift (1 Shift, 2 Ctrl,
// 4 Alt) and the position in twips from the control's top-left corner. Change of a
// scroll bar or slider: its new value. KeyPress of a graph: the key's code in value,
// and shift.
struct EventArgs {
    int button = 0;
    int shift = 0;
    double x = 0;
    double y = 0;
    int value = 0;
};

// A control in words, for those who cannot see the window (read aloud by a screen
// reader): its name and what it shows. Empty where its caption and the labels beside
// it say all.
struct Description {
    std::string name;
    std::string text;
};

class Window {
  public:
    virtual ~Window() = default;

    virtual const ViewState& View() const = 0;
    // Runs the handler `control` has for `event`. False when it has none, or when
    // the control cannot be reached (disabled or hidden, itself or what holds it): the
    // event then changes nothing. A Change first gives the control its new value,
    // kept within its range.
    virtual bool Fire(const std::string& control, Event event, const EventArgs& args = {}) = 0;
    virtual bool Answers(const std::string& control, Event event) const = 0;
    // The text a bound text box or label shows, read from the window's data.
    virtual std::optional<std::string> BoundText(const std::string& control) const = 0;
    // Text typed into a bound text box; false when the control takes no typing.
    virtual bool Type(const std::string& control, const std::string& text) = 0;
    // The controls the table binds to behaviour or data, in table order.
    virtual std::vector<std::string> BoundControls() const = 0;
    // What a control (a graph) shows now, in words.
    virtual Description Describe(const std::string& /*control*/) const { return {}; }
};

// A handler in a column of a window's control table: what runs, with the name of the
// window's member it runs, both written once by HANDLER(Class, member).
template <class M>
struct TableHandler {
    TableHandler(std::nullptr_t = nullptr) {}
    TableHandler(std::function<void(M&, const EventArgs&)> run, const char* member)
        : run_(std::move(run)), name(member) {}
    explicit operator bool() const { return static_cast<bool>(run_); }
    void operator()(M& window, const EventArgs& args) const { run_(window, args); }

  private:
    std::function<void(M&, const EventArgs&)> run_;

  public:
    const char* name = "";  // the member's C++ name, for the control index
};

// The behaviour columns of one row of a window's control table.
template <class M>
struct Behaviour {
    using Handler = TableHandler<M>;
    Handler click = nullptr;
    Handler mouseDown = nullptr;
    Handler mouseMove = nullptr;
    Handler mouseUp = nullptr;
    Handler change = nullptr;
    Handler unload = nullptr;
    Handler keyPress = nullptr;
    // The data item a text box or label shows, and (text boxes) how typing stores it.
    std::function<std::string(const M&)> text = nullptr;
    std::function<void(M&, const std::string&)> type = nullptr;

    const Handler& On(Event event) const {
        switch (event) {
            case Event::Click:
                return click;
            case Event::MouseDown:
                return mouseDown;
            case Event::MouseMove:
                return mouseMove;
            case Event::MouseUp:
                return mouseUp;
            case Event::Change:
                break;
            case Event::Unload:
                return unload;
            case Event::KeyPress:
                return keyPress;
        }
        return change;
    }
};

// Adapters from a handler's C++ signature to a table column, named `member`.
template <class M>
TableHandler<M> Do(void (M::*handler)(), const char* member) {
    return {[handler](M& window, const EventArgs&) { (window.*handler)(); }, member};
}
template <class M>
TableHandler<M> Do(void (M::*handler)(int, int, double, double), const char* member) {
    return {[handler](M& window, const EventArgs& a) {
                (window.*handler)(a.button, a.shift, a.x, a.y);
            },
            member};
}
template <class M>
TableHandler<M> Do(void (M::*handler)(int, int), const char* member) {
    return {[handler](M& window, const EventArgs& a) { (window.*handler)(a.value, a.shift); },
            member};
}
// The column entry of Class::member, which the control index lists by that name.
#define HANDLER(Class, member) ::quorbel::Do(&Class::member, #member)

// The rows of a window's control table, and the window itself (ControlTable.h).
template <class M>
struct ControlTable;
template <class M>
ViewState ViewOfTable(const ControlTable<M>& table);
template <class M>
std::map<std::string, Behaviour<M>> BehavioursOfTable(const ControlTable<M>& table);

// A window whose controls are described by its control table: one table gives the
// initial ViewState and the behaviour of every control this window has. Two windows
// of one class may have different tables (the help pages); each answers only its own.
template <class M>
class TableWindow : public Window {
  public:
    const ViewState& View() const override { return view_; }

    // A lesson points the student to `control` ("" for none); the view frames it.
    void Highlight(const std::string& control) { view_.highlight = control; }

    // The behaviour and binding columns of this window's table, by control name.
    const std::map<std::string, Behaviour<M>>& Behaviours() const { return behaviours_; }

    bool Fire(const std::string& control, Event event, const EventArgs& args = {}) override {
        const Behaviour<M>* row = BehaviourOf(control);
        if (!row || !row->On(event) || !Reachable(control)) return false;
        if (event == Event::Change) {
            ControlState& state = view_[control];
            state.value = args.value < state.min   ? state.min
                          : args.value > state.max ? state.max
                                                   : args.value;
        }
        row->On(event)(static_cast<M&>(*this), args);
        return true;
    }

    bool Answers(const std::string& control, Event event) const override {
        const Behaviour<M>* row = BehaviourOf(control);
        return row && row->On(event);
    }

    std::optional<std::string> BoundText(const std::string& control) const override {
        const Behaviour<M>* row = BehaviourOf(control);
        if (!row || !row->text) return std::nullopt;
        return row->text(static_cast<const M&>(*this));
    }

    bool Type(const std::string& control, const std::string& text) override {
        const Behaviour<M>* row = BehaviourOf(control);
        if (!row || !row->type || !Reachable(control) || view_[control].locked) return false;
        // Every box the user types into holds a number: a student's decimal comma
        // becomes the program's point here, where the text enters the window.
        row->type(static_cast<M&>(*this), EnteredNumberText(text));
        return true;
    }

    std::vector<std::string> BoundControls() const override {
        std::vector<std::string> names;
        for (const std::string& name : view_.order)
            if (BehaviourOf(name)) names.push_back(name);
        return names;
    }

  protected:
    explicit TableWindow(const ControlTable<M>& table)
        : view_(ViewOfTable(table)), behaviours_(BehavioursOfTable(table)) {}
    // A window that adds to its table's view what is no control (line objects).
    TableWindow(ViewState initial, const ControlTable<M>& table)
        : view_(std::move(initial)), behaviours_(BehavioursOfTable(table)) {}

    ViewState view_;

  private:
    // A user reaches a control only while it and everything holding it (its frame, its
    // menu) are enabled and visible. Names the window lists no state for (the window
    // itself) are always reachable.
    bool Reachable(const std::string& control) const {
        for (std::string name = control; !name.empty();) {
            const auto it = view_.controls.find(name);
            if (it == view_.controls.end()) break;
            if (!it->second.enabled || !it->second.visible) return false;
            name = it->second.parent;
        }
        return true;
    }

    const Behaviour<M>* BehaviourOf(const std::string& control) const {
        const auto it = behaviours_.find(control);
        return it == behaviours_.end() ? nullptr : &it->second;
    }

    std::map<std::string, Behaviour<M>> behaviours_;
};

}  // namespace quorbel
