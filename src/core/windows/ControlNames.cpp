#include "windows/ControlNames.h"

#include <cstdlib>

namespace quorbel {

namespace {

// Labels that stand a little off their field's line or column still belong to it.
constexpr double kSlack = 60;  // twips

bool Names(const ControlState& label, const ControlState& control) {
    return label.kind == ControlKind::Label && label.visible && !label.caption.empty() &&
           !label.rule && label.parent == control.parent && label.width > 0 && label.height > 0;
}

int ElementOf(const std::string& name) {
    const auto open = name.rfind('(');
    if (open == std::string::npos || name.back() != ')') return -1;
    return std::atoi(name.c_str() + open + 1);
}

}  // namespace

NamingLabels NamingLabelsOf(const ViewState& view, const std::string& control) {
    NamingLabels labels;
    const auto found = view.controls.find(control);
    if (found == view.controls.end()) return labels;
    const ControlState& c = found->second;
    labels.element = ElementOf(control);
    if (c.width < 0 || c.height < 0) return labels;
    const double middle = c.left + c.width / 2;
    double rowRight = -1e300, columnTop = -1e300;
    for (const auto& [name, label] : view.controls) {
        if (name == control || !Names(label, c)) continue;
        const double right = label.left + label.width, bottom = label.top + label.height;
        const bool sameLine = label.top < c.top + c.height && bottom > c.top;
        if (sameLine && right <= c.left + kSlack && right > rowRight) {
            rowRight = right;
            labels.row = name;
        }
        const bool heads = label.left <= middle && right >= middle;
        if (heads && bottom <= c.top + kSlack && label.top > columnTop) {
            columnTop = label.top;
            labels.column = name;
        }
    }
    return labels;
}

}  // namespace quorbel
