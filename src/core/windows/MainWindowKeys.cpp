// The keyboard on the main window's graphs: a cursor that stands where a pointer
// would, and keys that run the mouse's own handlers at its place, so that a keyboard
// user marks peaks, sets the limits of an expansion and places the harmonic markers
// with exactly the numbers and marks a mouse user gets.
#include <cmath>

#include "music/MusicalGraph.h"
#include "state/NumberText.h"
#include "windows/GraphKeys.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

constexpr int kLeftButton = 1, kRightButton = 2;
constexpr int kCtrl = 2;  // in the shift state of an event
// The height the keys press at: on the FFT graph its axis, so the harmonic markers
// stand just above it; on the musical canvas where the markers rest when switched on.
constexpr double kFftAxisShare = 2.0 / 3;
constexpr double kMusicalKeyY = 2100;
// The musical view keeps the cursor this far inside its edges (two semitones).
constexpr double kMusicalMargin = 2 * music::kSemitone;

}  // namespace

double MainWindowModel::FftCursorX(int point) const {
    const int n = state_.displayedValueList.Whole(0);
    const double W = surfaces_.Picture1.Width();
    return TwipsOfStep(point, n > 1 ? W / (n - 1) : 0, [this](double x) { return PointUnder(x); });
}

void MainWindowModel::Picture1_KeyPress(int key, int shift) {
    const int n = state_.displayedValueList.Whole(0);
    if (n < 1) return;  // nothing drawn yet
    LineObject& cursor = view_.Line(kFftKeyCursor);
    const GraphKeyMove move = GraphKey(key, shift, PointUnder(cursor.X1), n);
    const double x = FftCursorX(move.position);
    const double y = surfaces_.Picture1.Height() * kFftAxisShare;
    switch (move.action) {
        case GraphKeyAction::moved:
            cursor.X1 = cursor.X2 = x;
            Picture1_MouseMove(0, 0, x, y);
            break;
        case GraphKeyAction::activate: {
            cursor.X1 = cursor.X2 = x;
            // Ctrl gives the left button's click in every mode: a peak is marked
            // while the markers are on or limits are being set, as the mouse does.
            const bool rightMode = MarkersShown() || ExpansionRunning();
            const int button = rightMode && !(shift & kCtrl) ? kRightButton : kLeftButton;
            Picture1_MouseDown(button, 0, x, y);
            Picture1_MouseUp(button, 0, x, y);
            break;
        }
        case GraphKeyAction::cancel:
            if (ExpansionRunning()) CancelExpansionLimits();
            break;
        case GraphKeyAction::none:
            break;
    }
}

void MainWindowModel::CancelExpansionLimits() {
    state_.expansionPrompt.clear();
    view_["Label17"].visible = false;
    state_.expansionClickCount = 0;
    Grafmesmo();
}

void MainWindowModel::Picture5_KeyPress(int key, int shift) {
    // One step per tenth of a semitone, the tuning's own step, over the whole canvas.
    const int count = static_cast<int>(music::kCanvasWidth / music::kTuningStep);
    LineObject& cursor = view_.Line(kMusicKeyCursor);
    const int at = static_cast<int>(std::floor(cursor.X1 / music::kTuningStep));
    const GraphKeyMove move = GraphKey(key, shift, at, count);
    const double x = move.position * music::kTuningStep;
    switch (move.action) {
        case GraphKeyAction::moved:
            cursor.X1 = cursor.X2 = x;
            ScrollMusicalViewTo(x);
            Picture5_MouseMove(0, 0, x, kMusicalKeyY);
            break;
        case GraphKeyAction::activate:
            cursor.X1 = cursor.X2 = x;
            ScrollMusicalViewTo(x);
            if (MarkersShown()) Picture5_MouseMove(kRightButton, 0, x, kMusicalKeyY);
            break;
        case GraphKeyAction::cancel:
        case GraphKeyAction::none:
            break;
    }
}

void MainWindowModel::ScrollMusicalViewTo(double x) {
    const int value = view_["HScroll2"].value;
    const double width = view_["Picture4"].width;
    if (x < value + kMusicalMargin)
        SetHScroll2(static_cast<int>(x - kMusicalMargin));
    else if (x > value + width - kMusicalMargin)
        SetHScroll2(static_cast<int>(x - width + kMusicalMargin));
}

}  // namespace quorbel
