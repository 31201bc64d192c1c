#pragma once
// The initial ViewState of a small window from rows of (name, kind, parent, caption),
// in the order the window lists its controls.
#include <initializer_list>
#include <string>

#include "windows/ViewState.h"

namespace quorbel {

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;
    const char* caption;
};

inline ViewState ViewOfRows(const std::string& caption, std::initializer_list<ControlRow> rows) {
    ViewState view;
    view.caption = caption;
    for (const ControlRow& row : rows) {
        ControlState c;
        c.kind = row.kind;
        c.parent = row.parent;
        c.caption = row.caption;
        view.controls.emplace(row.name, c);
        view.order.push_back(row.name);
    }
    return view;
}

}  // namespace quorbel
