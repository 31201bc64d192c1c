#include "windows/ControlIndex.h"

#include "windows/WindowRegistry.h"

namespace quorbel {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Menu:
            return "Menu";
        case ControlKind::MenuItem:
            return "MenuItem";
        case ControlKind::Separator:
            return "Separator";
        case ControlKind::Button:
            return "Button";
        case ControlKind::Option:
            return "Option";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::Label:
            return "Label";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::Picture:
            return "Picture";
        case ControlKind::ScrollBar:
            return "ScrollBar";
        case ControlKind::Slider:
            return "Slider";
        case ControlKind::ProgressBar:
            return "ProgressBar";
        case ControlKind::ListBox:
            return "ListBox";
    }
    return "?";
}

std::vector<ControlIndexEntry> ControlIndex() {
    std::vector<ControlIndexEntry> index;
    for (const WindowEntry& window : WindowRegistry()) {
        const std::vector<ControlIndexEntry> entries = window.index();
        index.insert(index.end(), entries.begin(), entries.end());
    }
    return index;
}

}  // namespace quorbel
