// The main window's help pages, the phase example, and the about and splash windows.
#include "state/NumberText.h"
#include "windows/LessonsWindowModel.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {
// The example's phases (radians) by wave-table row (0-based): the rows whose amplitude
// is not zero in the default opening parameters.
constexpr std::pair<int, int> kExamplePhases[] = {{0, 0}, {1, 1}, {2, 2}, {4, 3},
                                                  {6, 4}, {7, 5}, {9, 6}};
}  // namespace

void MainWindowModel::mnuNyq_Click() {
    nyquist_.Show();
}

void MainWindowModel::mnuPhaseItem_Click() {
    phase_.Show();
}

LessonsWindowModel& MainWindowModel::Lessons() {
    // Where the student stands in each lesson is kept beside the opening parameters.
    if (!lessons_)
        lessons_ = std::make_shared<LessonsWindowModel>(
            platform_, *this, paramFile_.Path().parent_path() / "lessons-progress");
    return *lessons_;
}

void MainWindowModel::mnuExamplesItem_Click() {
    Lessons().Show();
}

void MainWindowModel::PhaseExample() {
    phase_.SetPointer(kPointerHourglass);
    Form_Load();
    for (const auto& [row, phase] : kExamplePhases)
        SetField(Field::phasePhi, NumberText(phase), row);
    // "Sin" selected as its click selects it: formula and phase heading follow.
    Option6_Click();
    mnuMultipleWavesItem_Click();
    phase_.Minimize();
    phase_.SetPointer(kPointerDefault);
}

void MainWindowModel::PhaseReset() {
    phase_.SetPointer(kPointerHourglass);
    Form_Load();
    Option6_Click();
    mnuMultipleWavesItem_Click();
    phase_.SetPointer(kPointerDefault);
    phase_.Hide();
}

void MainWindowModel::mnuAboutItem_Click() {
    about_.Show();
}

void MainWindowModel::mnuNmrItem_Click() {
    nmr_->Show();
}

void MainWindowModel::mnuSplashItem_Click() {
    splash_.ShowForViewing();
}

void MainWindowModel::Command13_Click() {
    splash_.ShowForViewing();
}

void MainWindowModel::Label18_Click() {
    view_["Label18"].visible = false;
}

}  // namespace quorbel
