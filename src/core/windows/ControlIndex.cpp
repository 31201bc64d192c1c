#include "windows/ControlIndex.h"

#include "windows/MainWindowModel.h"

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
    auto add = [&index](std::vector<ControlIndexEntry> window) {
        index.insert(index.end(), window.begin(), window.end());
    };
    add(IndexOfTable(MainWindowTable()));
    add(IndexOfTable(HelpWindowTable(HelpPageKind::Nyquist)));
    add(IndexOfTable(InverseWindowTable()));
    add(IndexOfTable(ReportWindowTable()));
    add(IndexOfTable(RawFileTable()));
    add(IndexOfTable(HelpWindowTable(HelpPageKind::Phase)));
    add(IndexOfTable(BitmapWindowTable()));
    add(IndexOfTable(OpeningParamsTable()));
    add(IndexOfTable(AboutWindowTable()));
    add(IndexOfTable(SplashWindowTable()));
    add(IndexOfTable(SpectrogramWindowTable()));
    return index;
}

}  // namespace quorbel
