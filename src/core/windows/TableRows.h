#pragma once
// The rows of a window's control table: each control's kind, the menu or frame that
// holds it, caption, tooltip, the behaviour columns and its state when the window is
// loaded. One table gives both the initial ViewState and the behaviour map, so a
// caption and the handler of its control are written side by side, once.
#include <map>
#include <string>
#include <vector>

#include "windows/Window.h"

namespace quorbel {

enum RowFlags { kPlain = 0, kDisabled = 1, kHidden = 2, kChecked = 4 };

template <class M>
struct TableRow {
    const char* name;
    ControlKind kind;
    const char* parent;
    const char* caption = "";
    const char* tooltip = "";
    Behaviour<M> on = {};
    int flags = kPlain;
};

// The controls of `rows` in table order, with their loaded state.
template <class M>
ViewState ViewOfTable(const std::string& caption, const std::vector<TableRow<M>>& rows) {
    ViewState view;
    view.caption = caption;
    for (const TableRow<M>& row : rows) {
        ControlState c;
        c.kind = row.kind;
        c.parent = row.parent;
        c.caption = row.caption;
        c.tooltip = row.tooltip;
        c.enabled = !(row.flags & kDisabled);
        c.visible = !(row.flags & kHidden);
        c.checked = (row.flags & kChecked) != 0;
        view.controls.emplace(row.name, c);
        view.order.push_back(row.name);
    }
    return view;
}

// The rows that answer an event or show data, by control name.
template <class M>
std::map<std::string, Behaviour<M>> BehavioursOfTable(const std::vector<TableRow<M>>& rows) {
    std::map<std::string, Behaviour<M>> map;
    for (const TableRow<M>& row : rows) {
        const Behaviour<M>& b = row.on;
        if (b.click || b.mouseDown || b.mouseMove || b.mouseUp || b.change || b.text)
            map.emplace(row.name, b);
    }
    return map;
}

}  // namespace quorbel
