#pragma once
// The rows of a control table in the shapes that repeat, so that a table reads a
// control a line: a menu, a menu entry, a separator, a frame, a button, an option
// button, a label, a text box, a picture and a scroll bar. Each takes the columns of
// ControlRow in the row's order, less those its shape fixes (the kind, and what such
// a control never has); a control of another shape is written as a plain row.
#include <utility>

#include "windows/ControlTable.h"

namespace quorbel {

template <class M>
struct RowsOf {
    using Row = ControlRow<M>;
    using B = Behaviour<M>;
    using Handler = TableHandler<M>;

    static Row Menu(const char* name, const char* parent, const char* caption) {
        return {name, ControlKind::Menu, parent, caption};
    }
    static Row Separator(const char* name, const char* parent) {
        return {name, ControlKind::Separator, parent, "-"};
    }
    // A menu entry that runs `click`, with flags such as kCheckable and kDisabled.
    static Row Item(const char* name, const char* parent, const char* caption, Handler click,
                    int flags = kPlain, const char* tooltip = "") {
        return {name,    ControlKind::MenuItem,       parent, caption,
                tooltip, {.click = std::move(click)}, flags};
    }
    static Row Frame(const char* name, const char* caption, int flags, Place at) {
        return {name, ControlKind::Frame, "", caption, "", {}, flags, at};
    }
    static Row Button(const char* name, const char* parent, const char* caption,
                      const char* tooltip, Handler click, int flags, Place at) {
        return {name,    ControlKind::Button,         parent, caption,
                tooltip, {.click = std::move(click)}, flags,  at};
    }
    static Row Option(const char* name, const char* parent, const char* caption,
                      const char* tooltip, B on, int flags, Place at) {
        return {name, ControlKind::Option, parent, caption, tooltip, std::move(on), flags, at};
    }
    // A label with a caption of its own, or showing the data item `on` binds.
    static Row Label(const char* name, const char* parent, const char* caption, B on, int flags,
                     Place at, Look look = {}) {
        return {name, ControlKind::Label, parent, caption, "", std::move(on), flags, at, look};
    }
    // A text box; `array` makes it a control array of boxes.
    static Row TextBox(const char* name, const char* parent, const char* tooltip, B on, int flags,
                       Place at, ArrayOf<M> array = {}) {
        return {name, ControlKind::TextBox, parent, "", tooltip, std::move(on), flags, at, {}, {},
                array};
    }
    static Row Picture(const char* name, const char* parent, B on, int flags, Place at,
                       Look look = {}) {
        return {name, ControlKind::Picture, parent, "", "", std::move(on), flags, at, look};
    }
    static Row ScrollBar(const char* name, const char* parent, const char* tooltip, Handler change,
                         int flags, Place at, Range range = {}) {
        return {name,    ControlKind::ScrollBar,
                parent,  "",
                tooltip, {.change = std::move(change)},
                flags,   at,
                {},      range};
    }
};

}  // namespace quorbel
