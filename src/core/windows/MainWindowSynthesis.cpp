// The main window's test functions: the multiple-wave sum and the simple waves, the
// f(t) graph, the function kind and the halving of the data window.
#include <algorithm>
#include <cmath>

#include "platform/Translation.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "synthesis/SampleGraph.h"
#include "synthesis/WaveSynthesis.h"
#include "windows/MainWindowAxes.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {
// The simple waves read their samples back into 0..6000, and the square wave's
// intermediate array holds 1025 sines.
constexpr int kMaxSimplePoints = 6000;
constexpr int kMaxSquareWindow = 1025;
}  // namespace

std::optional<int> MainWindowModel::PointsForSynthesis(int largest) {
    const int N = WholeNumber(state_.Get(Field::totalPoints));
    if (N < 1 || N > largest) {
        Refuse(FillIn(Translate("Messages",
                                "The total number of points must lie between 1 and %1; the "
                                "field holds %2."),
                      {std::to_string(largest), QuotedText(state_.Get(Field::totalPoints))}));
        return std::nullopt;
    }
    return N;
}

bool MainWindowModel::SamplesInRange(const DataList& samples) {
    if (samples.AllFinite()) return true;
    Refuse(kValuesOutOfRange);
    return false;
}

void MainWindowModel::DrawSamples() {
    DrawFtOnScreen(*this, surfaces_.Picture2);
    state_.SetPlotState("2");
}

void MainWindowModel::DrawFtGraph(Surface& pic) const {
    DrawSampleGraph(pic, state_.sampleList, state_.pointsPlotted);
    // The rectangular window would be a line along the top edge: it is not drawn.
    if (SelectedWindow() != WindowFunction::Rectangular)
        DrawWindowShape(pic, WindowValues(SelectedWindow(), WindowedPoints()),
                        state_.sampleList.Whole(0));
}

bool MainWindowModel::Graf(int u) {
    if (u != 6 && u != 7) {
        std::optional<int> N = PointsForSynthesis(kMaxPoints);
        if (!N) return false;
        const int M = std::clamp(WholeNumber(state_.Get(Field::windowPoints)), 0, *N);
        std::array<WaveRow, 10> rows;
        for (int i = 0; i < kTableRows; ++i) {
            auto a = FieldNumber(Field::amplitudeA, i);
            if (!a) return false;
            auto b = FieldNumber(Field::multiplierB, i);
            if (!b) return false;
            auto phi = FieldNumber(Field::phasePhi, i);
            if (!phi) return false;
            rows[static_cast<size_t>(i)] = {*a, *b, *phi};
        }
        auto nu = FieldNumber(Field::cyclesPerSecond);
        if (!nu) return false;
        DataList samples = MultipleWaveSamples(*N, M, *nu, rows, state_.sineSelected);
        if (!SamplesInRange(samples)) return false;
        state_.sampleList = std::move(samples);
    }
    DrawSamples();
    if (u == 6) {
        raw_->PrintStatus(QT_TRANSLATE_NOOP("Form6", "Calculating FFT..."));
        raw_->SetProgress(39);
        FftRaw(state_.sampleList.Whole(0));
        raw_->SetProgress(100);
    }
    return true;
}

template <class Generator>
bool MainWindowModel::SimpleWave(Generator generate, int largestWindow) {
    std::optional<int> N = PointsForSynthesis(kMaxSimplePoints);
    if (!N) return false;
    const int M = std::clamp(WholeNumber(state_.Get(Field::windowPoints)), 0, *N);
    if (M > largestWindow) {
        Refuse(
            FillIn(Translate("Messages",
                             "This wave is calculated with at most %1 data points in the "
                             "window; the field holds %2."),
                   {std::to_string(largestWindow), QuotedText(state_.Get(Field::windowPoints))}));
        return false;
    }
    auto phi = FieldNumber(Field::simplePhase);
    if (!phi) return false;
    auto nu = FieldNumber(Field::cyclesPerSecond);
    if (!nu) return false;
    DataList samples = generate(*N, M, *nu, *phi);
    if (!SamplesInRange(samples)) return false;
    state_.sampleList = std::move(samples);
    DrawSamples();
    return true;
}

bool MainWindowModel::GrafSenoid(int) {
    return SimpleWave(SineSamples, kMaxSimplePoints);
}
bool MainWindowModel::GrafQuad(int) {
    return SimpleWave(SquareSamples, kMaxSquareWindow);
}
bool MainWindowModel::GrafTriang(int) {
    return SimpleWave(TriangularSamples, kMaxSimplePoints);
}

bool MainWindowModel::RunSimpleWave() {
    if ((choices_.simpleWave == SimpleWave::Sine)) return GrafSenoid(0);
    if ((choices_.simpleWave == SimpleWave::Square)) return GrafQuad(0);
    if ((choices_.simpleWave == SimpleWave::Triangular)) return GrafTriang(0);
    return true;  // no wave selected: nothing to draw
}

void MainWindowModel::Command1_Click() {
    SetPointer(kPointerHourglass);
    ClearMarks();
    if (view_["Frame1"].visible)
        Graf(0);
    else if (view_["Frame6"].visible)
        RunSimpleWave();
    else if (Source() == DataSource::RawFile)
        Graf(7);
    SetPointer(kPointerDefault);
}

void MainWindowModel::Command17_Click() {
    SetPointer(kPointerHourglass);
    ClearMarks();
    bool synthesised = true;
    if ((choices_.function == FunctionKind::MultipleWaves)) {
        synthesised = Graf(0);
    } else if ((choices_.function == FunctionKind::SimpleWaves)) {
        synthesised = RunSimpleWave();
    } else if (Source() == DataSource::RawFile) {
        Command6_Click();
        SetPointer(kPointerHourglass);
        Graf(6);
        SetPointer(kPointerDefault);
        return;
    }
    // A refused field leaves the old graphs; transforming the old samples would
    // present them as the result of the new parameters.
    if (synthesised) {
        view_["HScroll1"].visible = false;
        Fft(WholeNumber(state_.Get(Field::totalPoints)));
    }
    SetPointer(kPointerDefault);
}

void MainWindowModel::CopyThroughNumbers(const DataList& from, DataList& to, int lastLine,
                                         int count) {
    to.Clear();
    // The header is the number of samples the list holds once complete: N, even when
    // the list copied from was made for another number of points (a parameter file
    // edited while the window was halved), so the layout always matches its header.
    to.AddNumber(count);
    for (int i = 1; i <= lastLine; ++i) to.AddNumber(from.Value(i));
}

void MainWindowModel::Command16_Click() {
    SetPointer(kPointerHourglass);
    const double M = DecimalPrefix(state_.Get(Field::windowPoints));
    const double N = DecimalPrefix(state_.Get(Field::totalPoints));
    const std::string windowSeconds = state_.Get(Field::windowSeconds);
    const double E = DecimalPrefix(state_.Get(Field::dataExtensionSeconds));
    // Copies below run over N + 2 lines.
    if (!PointsForSynthesis(kMaxPoints)) {
        SetPointer(kPointerDefault);
        return;
    }

    double halved = M / 2;
    if (halved < N / 512) halved = N;
    SetField(Field::windowPoints, NumberText(halved));
    SetField(Field::dataExtensionSeconds, halved == N ? windowSeconds : NumberText(E / 2));

    if (Source() != DataSource::RawFile) {
        const int n = static_cast<int>(N);
        if (M == N) CopyThroughNumbers(state_.sampleList, state_.sampleBackupList, n + 1, n);
        if (halved == N) {
            CopyThroughNumbers(state_.sampleBackupList, state_.sampleList, n + 1, n);
        } else {
            const int m = static_cast<int>(std::min(halved, N));
            CopyThroughNumbers(state_.sampleBackupList, state_.sampleList, m, n);
            for (int k = m + 1; k <= n; ++k) state_.sampleList.Add("0");
            state_.sampleList.AddNumber(state_.sampleBackupList.Value(n + 1));
        }
    }
    Command17_Click();
    if (view_["Picture1"].visible) view_.focus = "Picture1";
    SetPointer(kPointerDefault);
}

void MainWindowModel::Command18_Click() {
    const double M = DecimalPrefix(state_.Get(Field::windowPoints));
    const double N = DecimalPrefix(state_.Get(Field::totalPoints));
    if (!PointsForSynthesis(kMaxPoints)) return;
    SetField(Field::windowPoints, NumberText(N));
    SetField(Field::dataExtensionSeconds, state_.Get(Field::windowSeconds));
    if (M != N) {
        if (Source() != DataSource::RawFile)
            CopyThroughNumbers(state_.sampleBackupList, state_.sampleList, static_cast<int>(N) + 1,
                               static_cast<int>(N));
        Command17_Click();
    }
    if (view_["Picture1"].visible) view_.focus = "Picture1";
}

void MainWindowModel::CheckFunctionKind(FunctionKind kind) {
    Choose(&MainWindowChoices::function, kind);
    view_["mnuImagzeroItem"].enabled = true;
}

void MainWindowModel::UnlockCycles() {
    view_["Text2"].locked = false;
    view_["Text2"].tooltip = QT_TRANSLATE_NOOP("Form1", "Type here the desired value");
}

// The common end of both function kinds: a one-second window of calculated waves,
// then "Both".
void MainWindowModel::RecomputeCalculatedWaves() {
    UnlockCycles();
    SetField(Field::windowSeconds, "1");
    Choose(&MainWindowChoices::fileRateField, false);
    Command17_Click();
    SetPointer(kPointerDefault);
}

void MainWindowModel::mnuMultipleWavesItem_Click() {
    SetPointer(kPointerHourglass);
    CheckFunctionKind(FunctionKind::MultipleWaves);
    if (!view_["Frame1"].visible) state_.SetPlotState("1");
    // The panoramic view keeps both frames hidden; leaving it shows the frame of the
    // kind checked then.
    view_["Frame1"].visible = !PanoramicShown();
    view_["Frame6"].visible = false;
    view_["Label27"].visible = false;
    view_["Option10"].enabled = true;
    state_.dataSource = DataSource::Calculated;
    state_.returnMode = ReturnMode::Nothing;
    ShowLiveReadout(LiveReadout::None);
    SetField(Field::dataExtensionSeconds, "1");
    // N and the cycles come from the opening parameters again; the wave table keeps
    // its edits. If the file has gone or cannot be used, the fields keep their values.
    std::string error;
    if (auto leading = paramFile_.ReadLeading(&error)) {
        SetField(Field::totalPoints, (*leading)[0]);
        SetField(Field::windowPoints, (*leading)[0]);
        SetField(Field::cyclesPerSecond, (*leading)[1]);
    } else {
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "The number of points and the cycles cannot be read "
                                              "from the opening parameters (%1); the fields keep "
                                              "their values."),
                                    {error}));
    }
    RecomputeCalculatedWaves();
}

void MainWindowModel::mnuSimpleWavesItem_Click() {
    SetPointer(kPointerHourglass);
    CheckFunctionKind(FunctionKind::SimpleWaves);
    if (!view_["Frame6"].visible) state_.SetPlotState("1");
    view_["Frame1"].visible = false;
    view_["Frame6"].visible = !PanoramicShown();
    // The sine wave is selected without the "Both" of its click: that would compute
    // with the previous N and cycles; the window is computed once, below, with 1024.
    if (!(choices_.simpleWave == SimpleWave::Square) &&
        !(choices_.simpleWave == SimpleWave::Triangular))
        SelectSineWave();
    view_["Option10"].enabled = true;
    state_.dataSource = DataSource::Calculated;
    state_.returnMode = ReturnMode::Nothing;
    ShowLiveReadout(LiveReadout::None);
    view_["Label27"].visible = false;
    // Simple waves always start from the same window, whatever the file holds.
    SetField(Field::totalPoints, "1024");
    SetField(Field::windowPoints, "1024");
    SetField(Field::dataExtensionSeconds, "1");
    SetField(Field::cyclesPerSecond, "10");
    RecomputeCalculatedWaves();
}

void MainWindowModel::mnuLineItem_Click() {
    state_.pointsPlotted = false;
    ShowChoices();
}

void MainWindowModel::mnuPointsItem_Click() {
    state_.pointsPlotted = true;
    ShowChoices();
}

void MainWindowModel::Option6_Click() {
    state_.sineSelected = true;
    ShowChoices();
    ShowOnly({"Image3"}, {"Image4"});
}

void MainWindowModel::Option7_Click() {
    state_.sineSelected = false;
    ShowChoices();
    ShowOnly({"Image4"}, {"Image3"});
}

void MainWindowModel::Option4_Click() {
    SelectSineWave();
    Command17_Click();
}

void MainWindowModel::SelectSineWave() {
    Choose(&MainWindowChoices::simpleWave, SimpleWave::Sine);
    ShowOnly({"Image5"}, {"Image6", "Image7"});
}

void MainWindowModel::Option5_Click() {
    Choose(&MainWindowChoices::simpleWave, SimpleWave::Square);
    ShowOnly({"Image6"}, {"Image5", "Image7"});
    Command17_Click();
}

void MainWindowModel::Option9_Click() {
    Choose(&MainWindowChoices::simpleWave, SimpleWave::Triangular);
    ShowOnly({"Image7"}, {"Image5", "Image6"});
    Command17_Click();
}

void MainWindowModel::ShowOnly(const std::initializer_list<const char*> shown,
                               const std::initializer_list<const char*> hidden) {
    for (const char* name : shown) view_[name].visible = true;
    for (const char* name : hidden) view_[name].visible = false;
}

}  // namespace quorbel
