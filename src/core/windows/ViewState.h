#pragma once
// What a window shows, as data: for each named control its caption, tooltip,
// enabled/visible/checked/locked state, its place in twips and its look; the line
// objects drawn over the graphs; the window's title and mouse pointer. The views copy
// this into real widgets after every handler; tests read it directly.
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "surface/Surface.h"

namespace quorbel {

enum class ControlKind {
    Menu,       // a top-level menu or a submenu
    MenuItem,   // an entry with an action (and maybe a check mark)
    Separator,  // a separator line in a menu
    Button,
    Option,  // an option (radio) button
    TextBox,
    Label,
    Frame,
    Picture,
    ScrollBar,
    Slider,
    ProgressBar,  // value 0..100 in `value`
    ListBox,      // rows in `items`
};

// Mouse pointers, with the codes the behaviour uses.
enum MousePointer { kPointerDefault = 0, kPointerUpArrow = 10, kPointerHourglass = 11 };

struct ControlState {
    ControlKind kind = ControlKind::Label;
    std::string parent;  // the menu or frame that holds it ("" for the window)
    std::string caption;
    std::string tooltip;
    bool enabled = true;
    bool visible = true;
    bool checkable = false;  // a menu entry that carries a check mark
    bool checked = false;    // menu check mark, or the selected option button
    bool locked = false;     // text boxes the user cannot edit
    int mousePointer = kPointerDefault;
    // Geometry in twips; negative when the window's layout decides.
    double left = -1, top = -1, width = -1, height = -1;
    int value = 0, min = 0, max = 0;       // scroll bars and sliders
    int smallChange = 1, largeChange = 1;  // scroll bar steps: arrow and page
    std::vector<std::string> items;        // the rows of a list box
    // A picture that is drawn on although it holds other pictures (they lie over it).
    bool drawn = false;
    // How a label or button looks when it does not take the window's font and colours.
    std::optional<FontState> font;
    std::optional<Color> foreColor;
    std::optional<Color> backColor;
    bool border = false;  // a label drawn as a framed box
    bool rule = false;    // a label drawn as a horizontal separator line
    std::string picture;  // a label that shows a picture instead of text ("program")
    // The key that clicks it from anywhere in the window, as modifiers and key joined by
    // '+' ("Ctrl+B"); "" when it has none.
    std::string shortcut;
};

struct LineObject {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Color BorderColor = colors::kBlack;
    bool Visible = false;
    std::string over;  // the picture it is drawn over
};

struct ViewState {
    std::string name;  // the window itself: its events are fired under this name
    std::string caption;
    // The client area in twips, fixed while the window exists.
    double width = -1, height = -1;
    int mousePointer = kPointerDefault;
    bool shown = false;
    bool minimized = false;  // shown as an icon only
    int raised = 0;          // how often the window was brought to the front
    std::string focus;       // the control that has the input focus
    // The control a lesson points the student to: the view draws a frame around it.
    std::string highlight;
    std::map<std::string, ControlState> controls;
    std::vector<std::string> order;  // control names in the order the window lists them
    std::map<std::string, LineObject> lines;
    // Lines drawn only while a control has the keyboard focus (the keyboard cursors):
    // the line's name, and the control (the graph that takes the keys).
    std::map<std::string, std::string> whileFocused;

    // An unknown name is a programming error, not something a user can cause.
    ControlState& operator[](const std::string& name) { return Find(controls, name); }
    const ControlState& operator[](const std::string& name) const {
        return Find(const_cast<ViewState*>(this)->controls, name);
    }
    LineObject& Line(const std::string& name) { return Find(lines, name); }
    const LineObject& Line(const std::string& name) const {
        return Find(const_cast<ViewState*>(this)->lines, name);
    }

  private:
    template <class T>
    static T& Find(std::map<std::string, T>& map, const std::string& name) {
        auto it = map.find(name);
        if (it == map.end()) throw std::logic_error("unknown control " + name);
        return it->second;
    }
};

}  // namespace quorbel
