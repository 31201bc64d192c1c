// The main window's "Window" menu: which window function weights the samples of the
// data window before the transform.
#include <algorithm>

#include "state/NumberText.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

struct WindowEntry {
    WindowFunction window;
    const char* item;  // its entry in the "Window" menu
};

constexpr WindowEntry kWindowEntries[] = {
    {WindowFunction::Rectangular, "mnuWindowRectItem"},
    {WindowFunction::Hann, "mnuWindowHannItem"},
    {WindowFunction::Hamming, "mnuWindowHammingItem"},
    {WindowFunction::Blackman, "mnuWindowBlackmanItem"},
    {WindowFunction::FlatTop, "mnuWindowFlatTopItem"},
};

}  // namespace

std::string WindowMenuItem(WindowFunction window) {
    for (const WindowEntry& entry : kWindowEntries)
        if (entry.window == window) return entry.item;
    return kWindowEntries[0].item;
}

WindowFunction MainWindowModel::SelectedWindow() const {
    return choices_.window;
}

int MainWindowModel::WindowedPoints() const {
    const int N = std::max(state_.sampleList.Whole(0), 0);
    if (Source() == DataSource::RawFile) return N;
    return std::clamp(WholeNumber(state_.Get(Field::windowPoints)), 0, N);
}

void MainWindowModel::ChooseWindow(WindowFunction window) {
    if (SelectedWindow() == window) return;
    SetPointer(kPointerHourglass);
    Choose(&MainWindowChoices::window, window);
    // The samples stay as they are; only the shape drawn over them changes.
    DrawFtOnScreen(*this, surfaces_.Picture2);
    Command5_Click();
    SetPointer(kPointerDefault);
}

void MainWindowModel::mnuWindowRectItem_Click() {
    ChooseWindow(WindowFunction::Rectangular);
}
void MainWindowModel::mnuWindowHannItem_Click() {
    ChooseWindow(WindowFunction::Hann);
}
void MainWindowModel::mnuWindowHammingItem_Click() {
    ChooseWindow(WindowFunction::Hamming);
}
void MainWindowModel::mnuWindowBlackmanItem_Click() {
    ChooseWindow(WindowFunction::Blackman);
}
void MainWindowModel::mnuWindowFlatTopItem_Click() {
    ChooseWindow(WindowFunction::FlatTop);
}

}  // namespace quorbel
