// The main window's transform: the drivers of the two methods, "Only FFT" and the
// "Method" menu.
#include "fourier/TransformDriver.h"
#include "platform/Translation.h"
#include "state/NumberText.h"
#include "synthesis/WaveSynthesis.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {
// The real-data working array holds at most 32768 samples.
constexpr int kMaxRealSamples = 32768;
}  // namespace

void MainWindowModel::Fft(int Npont) {
    if (Npont != kCalculatedPoints) {
        // The graphs of other parameters must not stay on screen as if they were
        // current: say why nothing was transformed. plotState stays below 10, so the
        // report remains refused.
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "Calculated waves are transformed with 1024 points; "
                                              "the total number of points is %1. Nothing was "
                                              "transformed."),
                                    {std::to_string(Npont)}));
        return;
    }
    DataList spectrum = state_.spectrumList;
    // The window function weighs the data just before the transform; sampleList keeps
    // the function as sampled.
    const DataList samples = WindowedSamples(state_.sampleList, WindowedPoints(), SelectedWindow());
    if (choices_.method == TransformMethod::ImaginaryZero) {
        spectrum = ComplexSpectrumList(samples, kCalculatedPoints);
    } else {
        spectrum = RealSpectrumList(samples, kCalculatedPoints / 2);
    }
    // Finite samples can still sum beyond the range of numbers.
    if (!SpectrumInRange(spectrum)) {
        Refuse(kValuesOutOfRange);
        return;
    }
    state_.spectrumList = std::move(spectrum);
    GrafFt(NegativeFrequencies() ? kCalculatedPoints : kCalculatedPoints / 2);
}

void MainWindowModel::FftRaw(int Npont) {
    const int n = Npont / 2;
    if (!IsPowerOfTwo(n, kMaxRealSamples / 2)) {
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "Sound data are transformed in powers of two up to "
                                              "32768 samples; %1 samples cannot be transformed."),
                                    {std::to_string(Npont)}));
        return;
    }
    state_.spectrumList =
        RealSpectrumList(WindowedSamples(state_.sampleList, WindowedPoints(), SelectedWindow()), n);
    raw_->PrintStatus(QT_TRANSLATE_NOOP("Form6", "Plotting FFT graph..."));
    raw_->SetProgress(69);
    GrafFt(n);
    raw_->ClearStatus();
}

void MainWindowModel::Command5_Click() {
    SetPointer(kPointerHourglass);
    ClearMarks();
    Command6_Click();
    SetPointer(kPointerHourglass);
    const int N = WholeNumber(state_.Get(Field::totalPoints));
    if (Source() == DataSource::RawFile)
        FftRaw(N);
    else
        Fft(N);
    SetPointer(kPointerDefault);
}

void MainWindowModel::mnuRealftItem_Click() {
    if (choices_.method == TransformMethod::RealData) return;
    SetPointer(kPointerHourglass);
    // The real-data result holds no negative frequencies.
    choices_.negativeFrequencies = false;
    Choose(&MainWindowChoices::method, TransformMethod::RealData);
    view_["mnuFreqNegItem"].enabled = false;
    EnableLogSwitch();
    Command5_Click();
    SetPointer(kPointerDefault);
}

void MainWindowModel::mnuImagzeroItem_Click() {
    if (choices_.method == TransformMethod::ImaginaryZero) return;
    SetPointer(kPointerHourglass);
    Choose(&MainWindowChoices::method, TransformMethod::ImaginaryZero);
    view_["mnuFreqNegItem"].enabled = true;
    Command5_Click();
    SetPointer(kPointerDefault);
}

void MainWindowModel::mnuImagcalcItem_Click() {
    platform_.MessageBox(Translate("Messages", "Make your own code for this operation!"));
}

}  // namespace quorbel
