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
    listen.enabled = !why && !listening_;
    listen.tooltip = why ? *why : "Show the spectrum of the sound input as it comes";
    view_["mnuStopListenItem"].enabled = listening_;
    raw_->SetInputAvailable(why);
}

void MainWindowModel::mnuListenItem_Click() {
    SoundInput* input = platform_.Input();
    if (const std::optional<std::string> why = WhyNoSoundInput(input)) {
        UpdateListenItems();
        platform_.MessageBox(*why);
        return;
    }
    liveRing_.Clear();
    liveFrame_.clear();
    sinceFrame_ = 0;
    liveRate_ = input->Rate();
    input->onStopped = [this, alive = std::weak_ptr<int>(alive_)](const std::string& why) {
        if (!alive.expired()) InputStopped(why);
    };
    std::string error;
    if (liveRate_ < 1 ||
        !input->Start([this](const std::vector<double>& samples) { TakeLiveSamples(samples); },
                      &error)) {
        platform_.MessageBox(FillIn(
            Translate("Messages", "The sound input cannot be started: %1"),
            {error.empty() ? Translate("Messages", "it states no sampling frequency.") : error}));
        return;
    }
    listening_ = true;
    ShowLiveReadout(LiveReadout::Listening);
    UpdateListenItems();
}

void MainWindowModel::StopInput() {
    if (!listening_) return;
    listening_ = false;
    if (SoundInput* input = platform_.Input()) input->Stop();
}

void MainWindowModel::InputStopped(const std::string& why) {
    if (!listening_) return;
    listening_ = false;
    UpdateListenItems();
    // The read-out spoke of a sound that is no longer heard.
    ShowLiveReadout(LiveReadout::None);
    platform_.MessageBox(FillIn(Translate("Messages", "Listening stopped: %1"), {why}));
    if (onLiveFrame) onLiveFrame();
}

void MainWindowModel::mnuStopListenItem_Click() {
    StopInput();
    UpdateListenItems();
    if (liveFrame_.empty()) {
        ShowLiveReadout(LiveReadout::None);
        platform_.MessageBox(FillIn(Translate("Messages",
                                              "Too little sound was heard for a frame "
                                              "of %1 samples: nothing was kept."),
                                    {std::to_string(liveLength_)}));
        return;
    }
    TransferLiveFrame();
}

void MainWindowModel::ChooseLiveLength(int index) {
    const int length = kMinLiveSamples << index;
    if (!IsLiveLength(length)) return;
    liveLength_ = length;
    for (int i = 0; (kMinLiveSamples << i) <= kMaxLiveSamples; ++i)
        SetCheck(Indexed("mnuLiveLengthItem", i), i == index);
}

void MainWindowModel::TakeLiveSamples(const std::vector<double>& samples) {
    if (!listening_) return;
    liveRing_.Push(samples);
    sinceFrame_ += samples.size();
    const std::size_t step =
        static_cast<std::size_t>(std::max(liveRate_ / kLiveFramesPerSecond, 1));
    if (sinceFrame_ < step || liveRing_.Size() < static_cast<std::size_t>(liveLength_)) return;
    // The remainder counts towards the next frame, so that frames keep their pace
    // whatever the size of the input's chunks.
    sinceFrame_ %= step;
    LiveFrame();
    if (onLiveFrame) onLiveFrame();
}

void MainWindowModel::LiveFrame() {
    const int N = liveLength_;
    if (liveRing_.Size() < static_cast<std::size_t>(N) || liveRate_ < 1) return;
    liveRing_.Last(static_cast<std::size_t>(N), liveFrame_);
    for (double& x : liveFrame_) x = RawScaleSample(x);
    // The mode, the fields and the graphs of raw data come from a transfer; once they
    // are set, a frame only renews the samples, their transform and the graph.
    const bool ready = Source() == DataSource::RawFile &&
                       WholeNumber(state_.Get(Field::totalPoints)) == N &&
                       DecimalPrefix(state_.Get(Field::cyclesPerSecond)) == liveRate_;
    if (!ready) {
        TransferLiveFrame();
    } else {
        state_.sampleList = SampleList(liveFrame_);
        state_.spectrumList = RealSpectrumList(state_.sampleList, N / 2);
        GrafFt(N / 2);
    }
    const double binHz = static_cast<double>(liveRate_) / N;
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
    transferringLive_ = true;
    raw_->ShowRecording(liveFrame_, liveRate_);
    raw_->SelectWhole();
    raw_->Fire("Command1", Event::Click);
    transferringLive_ = false;
}

}  // namespace quorbel
