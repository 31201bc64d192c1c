// The main window's output: the report of the frequencies present in the transform.
#include "platform/Translation.h"
#include "report/Report.h"
#include "state/NumberText.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

// What the report reads: the parameters and the lists of the graphs on screen.
ReportInput MainWindowModel::ReportInputNow() const {
    ReportInput input;
    // The function kind is the one checked in the "Waves" menu, also while the
    // panoramic musical view hides its frame.
    input.rawData = Source() == DataSource::RawFile;
    input.multipleShown = !input.rawData && (choices_.function == FunctionKind::MultipleWaves);
    input.simpleShown = !input.rawData && (choices_.function == FunctionKind::SimpleWaves);
    input.sineSelected = state_.sineSelected;
    using Simple = ReportInput::Simple;
    input.simpleKind = (choices_.simpleWave == SimpleWave::Sine)         ? Simple::Sine
                       : (choices_.simpleWave == SimpleWave::Square)     ? Simple::Square
                       : (choices_.simpleWave == SimpleWave::Triangular) ? Simple::Triangular
                                                                         : Simple::None;
    input.cyclesPerSecond = state_.Get(Field::cyclesPerSecond);
    input.dataExtensionSeconds = state_.Get(Field::dataExtensionSeconds);
    input.totalPoints = state_.Get(Field::totalPoints);
    input.windowSeconds = state_.Get(Field::windowSeconds);
    input.rawFileName = state_.rawFileName;
    input.simplePhase = state_.Get(Field::simplePhase);
    for (int i = 0; i < kTableRows; ++i) {
        const auto row = static_cast<size_t>(i);
        input.amplitudeA[row] = state_.Get(Field::amplitudeA, i);
        input.multiplierB[row] = state_.Get(Field::multiplierB, i);
        input.phasePhi[row] = state_.Get(Field::phasePhi, i);
    }
    if (SelectedWindow() != WindowFunction::Rectangular)
        input.windowFunction = WindowName(SelectedWindow());
    input.graphValueList = &state_.graphValueList;
    input.spectrumList = &state_.spectrumList;
    return input;
}

void MainWindowModel::mnuReport_Click() {
    SetPointer(kPointerHourglass);
    // The report reads the graphs; they must have been computed from the parameters
    // the report prints.
    if (state_.PlotStateValue() != 10) {
        platform_.MessageBox(
            Translate("Messages",
                      "It is not possible to print the report because the parameters were changed. "
                      "Click in BOTH to recalculate and plot the graphs and then try again"));
        SetPointer(kPointerDefault);
        return;
    }
    report_.Show();
    report_.Write(ReportInputNow());
    SetPointer(kPointerDefault);
}

}  // namespace quorbel
