// The spectrogram window's zoom into a stretch of time: a drag with the left button
// over the picture, or two presses of Enter at its ends with the keyboard's cursor;
// "Whole sound" or Escape shows the whole sound again. The time axis, the cells, the
// read-out and the picture exported all follow the stretch shown.
#include <algorithm>
#include <cmath>

#include "windows/GraphKeys.h"
#include "windows/SpectrogramWindowModel.h"

namespace quorbel {

namespace {

constexpr int kLeftButton = 1;
// A drag shorter than this (twips, four pixels) is a click, not a stretch.
constexpr double kShortestDrag = 60;

}  // namespace

void SpectrogramWindowModel::ShowZoomMarks(std::optional<double> from, std::optional<double> to) {
    const double top = layout_.top, bottom = layout_.bottom;
    auto place = [&](const char* name, std::optional<double> x) {
        LineObject& line = view_.Line(name);
        line.Visible = x.has_value();
        if (!x) return;
        line.X1 = line.X2 = std::clamp(*x, layout_.left, layout_.right);
        line.Y1 = top;
        line.Y2 = bottom;
    };
    place("Line1", from);
    place("Line2", to);
}

void SpectrogramWindowModel::Picture1_MouseDown(int button, int, double x, double y) {
    if (button != kLeftButton || !spectrogram_ || !layout_.Inside(x, y)) return;
    dragFrom_ = x;
    keyFrom_.reset();
    ShowZoomMarks(x, std::nullopt);
}

void SpectrogramWindowModel::Picture1_MouseUp(int button, int, double x, double) {
    if (button != kLeftButton || !dragFrom_) return;
    const double from = *dragFrom_;
    dragFrom_.reset();
    ShowZoomMarks(std::nullopt, std::nullopt);
    if (std::fabs(x - from) >= kShortestDrag) ZoomBetween(from, x);
}

void SpectrogramWindowModel::ZoomBetween(double x1, double x2) {
    if (!spectrogram_) return;
    const double left = std::clamp(std::min(x1, x2), layout_.left, layout_.right);
    const double right = std::clamp(std::max(x1, x2), layout_.left, layout_.right);
    const int first = layout_.ColumnAt(left);
    // The column the right end lies in is shown whole; a stretch is two columns or more.
    int end = layout_.ColumnAt(right) + 1;
    if (end - first < 2) end = first + 2;
    const SpectrogramLayout narrowed = ZoomedLayout(layout_, first, end);
    if (narrowed.firstColumn == layout_.firstColumn && narrowed.endColumn == layout_.endColumn)
        return;  // the grid holds no finer stretch
    zoomFirst_ = narrowed.firstColumn;
    zoomEnd_ = narrowed.endColumn;
    view_["Command3"].enabled = true;
    view_["Label1"].caption.clear();
    view_.Line(kSpectrogramKeyCursor).Visible = true;
    layout_ = LayoutFor(picture_.Width(), picture_.Height());
    Draw(picture_);
}

void SpectrogramWindowModel::Command3_Click() {
    keyFrom_.reset();
    dragFrom_.reset();
    ShowZoomMarks(std::nullopt, std::nullopt);
    if (!Zoomed()) return;
    zoomFirst_ = zoomEnd_ = 0;
    view_["Command3"].enabled = false;
    view_["Label1"].caption.clear();
    if (!spectrogram_) return;
    layout_ = LayoutFor(picture_.Width(), picture_.Height());
    Draw(picture_);
}

void SpectrogramWindowModel::Picture1_KeyPress(int key, int shift) {
    if (!spectrogram_) return;
    // One step per grid column shown; the cursor stands in the middle of its column.
    const int count = layout_.Columns();
    LineObject& cursor = view_.Line(kSpectrogramKeyCursor);
    const int at = layout_.ColumnAt(cursor.X1) - layout_.firstColumn;
    const GraphKeyMove move = GraphKey(key, shift, at, count);
    const double x = layout_.XOfColumn(layout_.firstColumn + move.position + 0.5);
    const double y = (layout_.top + layout_.bottom) / 2;
    switch (move.action) {
        case GraphKeyAction::moved:
            cursor.X1 = cursor.X2 = x;
            Picture1_MouseMove(0, 0, x, y);
            if (keyFrom_) ShowZoomMarks(keyFrom_, x);
            break;
        case GraphKeyAction::activate:
            cursor.X1 = cursor.X2 = x;
            if (!keyFrom_) {
                keyFrom_ = x;
                ShowZoomMarks(x, std::nullopt);
            } else {
                const double from = *keyFrom_;
                keyFrom_.reset();
                ShowZoomMarks(std::nullopt, std::nullopt);
                ZoomBetween(from, x);
            }
            break;
        case GraphKeyAction::cancel:
            if (keyFrom_) {
                keyFrom_.reset();
                ShowZoomMarks(std::nullopt, std::nullopt);
            } else {
                Command3_Click();
            }
            break;
        case GraphKeyAction::none:
            break;
    }
}

}  // namespace quorbel
