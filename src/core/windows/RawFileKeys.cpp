// The keyboard on the raw file window's graph: a cursor that stands where a pointer
// would, and a selection made with Enter at its two ends through the mouse's own
// press and drag; and the graph in words for those who cannot see it.
#include <algorithm>
#include <cmath>

#include "platform/Translation.h"
#include "windows/GraphKeys.h"
#include "windows/RawFileModel.h"

namespace quorbel {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;

}  // namespace

void RawFileModel::Picture2_KeyPress(int key, int shift) {
    const int n = plotted_;
    if (!Plotted() || n < 1) return;
    // Sample i lies from x = i * W / n on: the cursor stops at each of the n + 1 places
    // a press or a drag reads, the right edge included.
    const double perPoint = TwipsPerPoint();
    auto pointUnder = [perPoint](double x) { return static_cast<int>(std::floor(x / perPoint)); };
    const GraphKeyMove move = GraphKey(key, shift, pointUnder(view_.Line(kRawKeyCursor).X1), n + 1);
    const double x = TwipsOfStep(move.position, perPoint, pointUnder);
    if (move.action == GraphKeyAction::none) return;
    for (const char* line : {kRawKeyCursor, kRawBandKeyCursor})
        view_.Line(line).X1 = view_.Line(line).X2 = x;
    switch (move.action) {
        case GraphKeyAction::moved:
            if (keySelectionStart_) DragSelection(*keySelectionStart_, x);
            break;
        case GraphKeyAction::activate:
            if (!keySelectionStart_) {
                keySelectionStart_ = x;
                Picture2_MouseDown(kLeftButton, 0, x, 0);
            } else {
                DragSelection(*keySelectionStart_, x);
                keySelectionStart_.reset();
            }
            break;
        case GraphKeyAction::cancel:
            keySelectionStart_.reset();
            Picture2_MouseDown(kRightButton, 0, x, 0);
            break;
        case GraphKeyAction::none:
            break;
    }
}

void RawFileModel::DragSelection(double from, double to) {
    Picture2_MouseDown(kLeftButton, 0, std::min(from, to), 0);
    Picture2_MouseMove(kLeftButton, 0, std::max(from, to), 0);
}

Description RawFileModel::Describe(const std::string& control) const {
    if (control != "Picture2") return {};
    Description said{Translate("Form6", "Graph of the file"), ""};
    if (!Plotted()) {
        said.text = Translate("Form6", "No file opened yet.");
        return said;
    }
    said.text = FillIn(Translate("Form6", "%1: %2 points shown of the file's %3."),
                       {PlottedName(), PlottedText(), FileLengthText()});
    if (view_["Label22"].visible) said.text += " " + StretchNote() + ".";
    if (view_["Picture3"].visible && selection_)
        said.text += " " + FillIn(Translate("Form6",
                                            "Selected: points %1 to %2, %3 points, %4 to be "
                                            "transferred."),
                                  {FirstText(), LastText(), SelectedText(), TransferText()});
    else
        said.text +=
            " " + Translate("Form6", "Nothing selected: press Enter at each end of a stretch.");
    const double perPoint = TwipsPerPoint();
    auto pointAt = [perPoint](double x) {
        return std::to_string(perPoint > 0 ? static_cast<int>(std::floor(x / perPoint)) : 0);
    };
    said.text += " " + FillIn(Translate("Form6", "Keyboard cursor at point %1."),
                              {pointAt(view_.Line(kRawKeyCursor).X1)});
    if (keySelectionStart_)
        said.text += " " + FillIn(Translate("Form6",
                                            "The selection starts at point %1: press Enter at its "
                                            "other end, or Escape to cancel."),
                                  {pointAt(*keySelectionStart_)});
    return said;
}

}  // namespace quorbel
