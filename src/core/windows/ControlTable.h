#pragma once
// The control table of a window: one row per control (or control array) holding
// everything the control is: its kind, the menu, frame or picture that holds it, its
// caption and tooltip, its state when the window is loaded, its place in twips, its
// look, the handler of each event it answers and the data item it shows. The window
// itself is the table's head: its name, caption, client size and its own events.
// One table gives both the initial ViewState and the behaviour map, so a control is
// written in exactly one place and every view places it where its row says.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "windows/Window.h"

namespace quorbel {

enum RowFlags {
    kPlain = 0,
    kDisabled = 1,
    kHidden = 2,
    kChecked = 4,    // a checked menu entry, or the selected option button
    kCheckable = 8,  // a menu entry that carries a check mark
    kLocked = 16,    // a text box the program writes and the user only reads
    kDrawn = 32,     // a picture drawn on although pictures lie over it
    kBorder = 64,    // a label drawn as a framed box
    kRule = 128,     // a label drawn as a horizontal separator line
};

// Left, top, width, height in twips from the top-left corner of what holds the
// control (the window's client area, a frame or a picture); -1 where the control
// has no place of its own (menus).
struct Place {
    double left = -1, top = -1, width = -1, height = -1;
};

// Scroll bars, sliders and progress bars.
struct Range {
    int min = 0, max = 0, value = 0, smallChange = 1, largeChange = 1;
};

// A label or button with a font and colours of its own, or showing a picture.
struct Look {
    std::optional<FontState> font = std::nullopt;
    std::optional<Color> fore = std::nullopt;
    std::optional<Color> back = std::nullopt;
    const char* picture = "";
    int pointer = kPointerDefault;
};

// A control array: `count` controls named name(0)..name(count-1), element i placed
// i steps of (stepLeft, stepTop) from the row's place, with the behaviour each(i).
template <class M>
struct ArrayOf {
    int count = 0;
    double stepLeft = 0, stepTop = 0;
    std::function<Behaviour<M>(int)> each;
};

template <class M>
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent = "";
    const char* caption = "";
    const char* tooltip = "";
    Behaviour<M> on{};
    int flags = kPlain;
    Place at = {};
    Look look = {};
    Range range = {};
    ArrayOf<M> array{};
};

template <class M>
struct ControlTable {
    std::string name;  // the window itself, as the table's events name it
    std::string caption;
    double width = -1, height = -1;  // the client area, twips
    Behaviour<M> on;                 // the window's own events
    std::vector<ControlRow<M>> rows;
};

// A key of a window's own that clicks one of its controls, written beside the window's
// control table: `key` as modifiers and key joined by '+' ("Ctrl+B").
struct ControlShortcut {
    const char* control;
    const char* key;
};

// The name of element i of a control array.
inline std::string Indexed(const std::string& name, int i) {
    return name + "(" + std::to_string(i) + ")";
}

template <class M>
ViewState ViewOfTable(const ControlTable<M>& table) {
    ViewState view;
    view.name = table.name;
    view.caption = table.caption;
    view.width = table.width;
    view.height = table.height;
    for (const ControlRow<M>& row : table.rows) {
        ControlState c;
        c.kind = row.kind;
        c.parent = row.parent;
        c.caption = row.caption;
        c.tooltip = row.tooltip;
        c.enabled = !(row.flags & kDisabled);
        c.visible = !(row.flags & kHidden);
        c.checked = (row.flags & kChecked) != 0;
        c.checkable = (row.flags & kCheckable) != 0;
        c.locked = (row.flags & kLocked) != 0;
        c.drawn = (row.flags & kDrawn) != 0;
        c.border = (row.flags & kBorder) != 0;
        c.rule = (row.flags & kRule) != 0;
        c.left = row.at.left, c.top = row.at.top;
        c.width = row.at.width, c.height = row.at.height;
        c.font = row.look.font;
        c.foreColor = row.look.fore;
        c.backColor = row.look.back;
        c.picture = row.look.picture;
        c.mousePointer = row.look.pointer;
        c.min = row.range.min, c.max = row.range.max, c.value = row.range.value;
        c.smallChange = row.range.smallChange, c.largeChange = row.range.largeChange;
        if (row.array.count == 0) {
            view.controls.emplace(row.name, c);
            view.order.push_back(row.name);
            continue;
        }
        for (int i = 0; i < row.array.count; ++i) {
            ControlState element = c;
            element.left = c.left + i * row.array.stepLeft;
            element.top = c.top + i * row.array.stepTop;
            view.controls.emplace(Indexed(row.name, i), element);
            view.order.push_back(Indexed(row.name, i));
        }
    }
    return view;
}

// The rows that answer an event or show data, and the window itself, by name.
template <class M>
std::map<std::string, Behaviour<M>> BehavioursOfTable(const ControlTable<M>& table) {
    std::map<std::string, Behaviour<M>> map;
    auto any = [](const Behaviour<M>& b) {
        return b.click || b.mouseDown || b.mouseMove || b.mouseUp || b.change || b.unload ||
               b.keyPress || b.text;
    };
    if (any(table.on)) map.emplace(table.name, table.on);
    for (const ControlRow<M>& row : table.rows) {
        if (row.array.count == 0) {
            if (any(row.on)) map.emplace(row.name, row.on);
            continue;
        }
        for (int i = 0; i < row.array.count; ++i) {
            const Behaviour<M> b = row.array.each ? row.array.each(i) : row.on;
            if (any(b)) map.emplace(Indexed(row.name, i), b);
        }
    }
    return map;
}

}  // namespace quorbel
