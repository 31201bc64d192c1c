// The main window's live view of the sound input (menu "Sound"): "Listen" analyses
// the last N samples heard many times a second, on the FFT graph or on the musical
// graph with its keyboard, and "Stop listening" keeps the last frame as raw data.
// A frame is the transfer's own path: the samples as a sampleList of the raw file
// window's scale, the real-data transform of its text and the graph of the quantity
// shown, so the frozen frame gives the report and the inverse exactly what was seen.
#include <algorithm>
#include <cmath>

#include "fourier/TransformDriver.h"
#include "platform/Translation.h"
#include "rawfile/SoundFile.h"
#include "sound/LivePeak.h"
#include "sound/Recording.h"
#include "sound/SoundInput.h"
#include "state/NumberText.h"
#include "windows/ControlTable.h"
#include "windows/MainWindowModel.h"

namespace quorbel {

namespace {

// Frames drawn per second of sound heard: a frame follows every rate/25 samples.
constexpr int kLiveFramesPerSecond = 25;

// The magnitudes |H_k| of the first N bins of a real-data spectrumList (N, H_0, H_N,
// then Re H_k, Im H_k): the strongest peak is sought in them whatever quantity the
// graph shows.
std::vector<double> Magnitudes(const DataList& spectrum) {
    const int N = spectrum.Whole(0);
    std::vector<double> magnitudes(static_cast<std::size_t>(std::max(N, 0)));
    if (N < 1) return magnitudes;
    magnitudes[0] = std::abs(spectrum.Value(1));
    // The bins are far from overflow (the transform of samples no larger than 128), so the plain
    // square root serves, at a fraction of hypot's cost, many times a second.
    for (int k = 1; k < N; ++k) {
        const double re = spectrum.Value(2 * k + 1), im = spectrum.Value(2 * k + 2);
        magnitudes[k] = std::sqrt(re * re + im * im);
    }
    return magnitudes;
}

}  // namespace

void MainWindowModel::UpdateListenItems() {
    const std::optional<std::string> why = WhyNoSoundInput(platform_.Input());
    ControlState& listen = view_["mnuListenItem"];
    listen.enabled = !why && !live_.listening;
    listen.tooltip = why ? *why : "Show the spectrum of the sound input as it comes";
    view_["mnuStopListenItem"].enabled = live_.listening;
    raw_->SetInputAvailable(why);
}

void MainWindowModel::mnuListenItem_Click() {
    SoundInput* input = platform_.Input();
    if (const std::optional<std::string> why = WhyNoSoundInput(input)) {
        UpdateListenItems();
        platform_.MessageBox(*why);
        return;
    }
    live_.ring.Clear();
    live_.frame.clear();
    live_.sinceFrame = 0;
    live_.rate = input->Rate();
    input->onStopped = [this, alive = std::weak_ptr<int>(alive_)](const std::string& why) {
        if (!alive.expired()) InputStopped(why);
    };
    std::string error;
    if (live_.rate < 1 ||
        !input->Start([this](const std::vector<double>& samples) { TakeLiveSamples(samples); },
                      &error)) {
        platform_.MessageBox(FillIn(
            Translate("Messages", "The sound input cannot be started: %1"),
            {error.empty() ? Translate("Messages", "it states no sampling frequency.") : error}));
        return;
    }
    live_.listening = true;
    ShowLiveReadout(LiveReadout::Listening);
    UpdateListenItems();
}

void MainWindowModel::StopInput() {
    if (!live_.listening) return;
    live_.listening = false;
    if (SoundInput* input = platform_.Input()) input->Stop();
}

void MainWindowModel::InputStopped(const std::string& why) {
    if (!live_.listening) return;
    live_.listening = false;
    UpdateListenItems();
    // The read-out spoke of a sound that is no longer heard.
    ShowLiveReadout(LiveReadout::None);
    platform_.MessageBox(FillIn(Translate("Messages", "Listening stopped: %1"), {why}));
    if (onLiveFrame) onLiveFrame();
}

void MainWindowModel::mnuStopListenItem_Click() {
    StopInput();
    UpdateListenItems();
    if (live_.frame.empty()) {
        ShowLiveReadout(LiveReadout::None);
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "Too little sound was heard for a frame "
                                              "of %1 samples: nothing was kept."),
                                    {std::to_string(live_.length)}));
        return;
    }
    TransferLiveFrame();
}

void MainWindowModel::ChooseLiveLength(int index) {
    const int length = kMinLiveSamples << index;
    if (!IsLiveLength(length)) return;
    live_.length = length;
    for (int i = 0; (kMinLiveSamples << i) <= kMaxLiveSamples; ++i)
        SetCheck(Indexed("mnuLiveLengthItem", i), i == index);
}

void MainWindowModel::TakeLiveSamples(const std::vector<double>& samples) {
    if (!live_.listening) return;
    live_.ring.Push(samples);
    live_.sinceFrame += samples.size();
    const std::size_t step =
        static_cast<std::size_t>(std::max(live_.rate / kLiveFramesPerSecond, 1));
    if (live_.sinceFrame < step || live_.ring.Size() < static_cast<std::size_t>(live_.length))
        return;
    // The remainder counts towards the next frame, so that frames keep their pace
    // whatever the size of the input's chunks.
    live_.sinceFrame %= step;
    LiveFrame();
    if (onLiveFrame) onLiveFrame();
}

void MainWindowModel::LiveFrame() {
    const int N = live_.length;
    if (live_.ring.Size() < static_cast<std::size_t>(N) || live_.rate < 1) return;
    live_.ring.Last(static_cast<std::size_t>(N), live_.frame);
    for (double& x : live_.frame) x = RawScaleSample(x);
    // The mode, the fields and the graphs of raw data come from a transfer; once they
    // are set, a frame only renews the samples, their transform and the graph.
    const bool ready = Source() == DataSource::RawFile &&
                       WholeNumber(state_.Get(Field::totalPoints)) == N &&
                       DecimalPrefix(state_.Get(Field::cyclesPerSecond)) == live_.rate;
    if (!ready) {
        TransferLiveFrame();
    } else {
        state_.sampleList = SampleList(live_.frame);
        state_.spectrumList = RealSpectrumList(state_.sampleList, N / 2);
        GrafFt(N / 2);
    }
    const double binHz = static_cast<double>(live_.rate) / N;
    ShowLiveReadout(LiveReadout::Peak, StrongestPeakHertz(Magnitudes(state_.spectrumList), binHz));
}

void MainWindowModel::ShowLiveReadout(LiveReadout readout, std::optional<double> hertz) {
    ControlState& label = view_["Label30"];
    label.visible = readout != LiveReadout::None;
    label.caption = readout == LiveReadout::Listening ? QT_TRANSLATE_NOOP("Form1", "Listening...")
                    : readout == LiveReadout::Peak    ? StrongestPeakText(hertz)
                                                      : "";
}

void MainWindowModel::TransferLiveFrame() {
    live_.transferring = true;
    raw_->ShowRecording(live_.frame, live_.rate);
    raw_->SelectWhole();
    raw_->Fire("Command1", Event::Click);
    live_.transferring = false;
}

}  // namespace quorbel
