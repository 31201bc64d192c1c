// The main window's "Sound" menu: the function being analysed played (calculated waves
// synthesised again at the sound's rate, or the transferred samples of a file at the
// file's rate), the inverse transform's samples played at their own rate converted to
// the output's, the function's sound written as a WAV file, and the sound's length.
#include <cmath>

#include "platform/Translation.h"
#include "sound/SoundOutput.h"
#include "sound/WavFile.h"
#include "state/FileReplace.h"
#include "state/NumberText.h"
#include "state/QuotedText.h"
#include "windows/MainWindowModel.h"
#include "windows/SoundMenu.h"

namespace quorbel {

namespace {

// Lines 1..count of a data list as numbers.
std::vector<double> Samples(const DataList& list, int count) {
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int k = 1; k <= count; ++k) samples.push_back(list.Value(k));
    return samples;
}

}  // namespace

void MainWindowModel::CheckSoundOutput() {
    if (soundChecked_) return;
    soundChecked_ = true;
    SoundOutput* output = platform_.Audio();
    soundUnavailable_ =
        output
            ? output->Unavailable()
            : std::optional<std::string>(Translate("Messages", "there is no sound output here."));
    UpdateSoundItems();
}

void MainWindowModel::UpdateSoundItems() {
    const std::string unavailable =
        soundUnavailable_ ? Translate("Messages", kNoSoundPrefix) + *soundUnavailable_ : "";
    const bool recovered = state_.inverseList.Whole(0) > 0;
    view_["mnuPlayFtItem"].enabled = !soundUnavailable_;
    view_["mnuPlayFtItem"].tooltip = unavailable;
    view_["mnuPlayRecoveredItem"].enabled = !soundUnavailable_ && recovered;
    view_["mnuPlayRecoveredItem"].tooltip = soundUnavailable_ ? unavailable
                                            : recovered       ? ""
                                                              : kRecoveredNotYet;
}

void MainWindowModel::SoundServerAnswered() {
    soundChecked_ = false;
    CheckSoundOutput();
    UpdateListenItems();
}

SoundOutput* MainWindowModel::PlayingOutput() {
    CheckSoundOutput();
    if (soundUnavailable_) {
        platform_.MessageBox(Translate("Messages", kNoSoundPrefix) + *soundUnavailable_);
        return nullptr;
    }
    return platform_.Audio();
}

bool MainWindowModel::SetSoundSeconds(double seconds) {
    if (!(seconds >= kMinSoundSeconds && seconds <= kMaxSoundSeconds)) return false;
    soundSeconds_ = seconds;
    SetCheck("mnuSoundLength1Item", seconds == 1);
    SetCheck("mnuSoundLength2Item", seconds == 2);
    SetCheck("mnuSoundLength5Item", seconds == 5);
    return true;
}

std::optional<Sound> MainWindowModel::FunctionSoundNow() {
    std::string error;
    std::optional<Sound> sound;
    if (Source() == DataSource::RawFile) {
        // The transferred samples, once, at the file's sampling frequency.
        const double rate = SamplingRate();
        if (!(rate >= 1)) {
            platform_.MessageBox(FillIn(Translate("Messages",
                                                  "The sampling frequency %1 cannot be "
                                                  "played. Transfer the data again."),
                                        {QuotedText(state_.Get(Field::cyclesPerSecond))}));
            return std::nullopt;
        }
        sound = AudibleSound(Samples(state_.sampleList, state_.sampleList.Whole(0)), rate, &error);
    } else {
        WaveFunction function;
        if ((choices_.function == FunctionKind::MultipleWaves)) {
            function.kind = state_.sineSelected ? WaveFunction::Kind::MultipleSines
                                                : WaveFunction::Kind::MultipleCosines;
            for (int i = 0; i < kTableRows; ++i) {
                const auto a = FieldNumber(Field::amplitudeA, i);
                const auto b = a ? FieldNumber(Field::multiplierB, i) : std::nullopt;
                const auto phi = b ? FieldNumber(Field::phasePhi, i) : std::nullopt;
                if (!phi) return std::nullopt;
                function.rows[static_cast<size_t>(i)] = {*a, *b, *phi};
            }
        } else if ((choices_.function == FunctionKind::SimpleWaves)) {
            function.kind = (choices_.simpleWave == SimpleWave::Square) ? WaveFunction::Kind::Square
                            : (choices_.simpleWave == SimpleWave::Triangular)
                                ? WaveFunction::Kind::Triangular
                                : WaveFunction::Kind::Sine;
            const auto phi = FieldNumber(Field::simplePhase);
            if (!phi) return std::nullopt;
            function.phi = *phi;
        } else {
            platform_.MessageBox(
                Translate("Messages", "Choose a function in the menu \"Waves\" first."));
            return std::nullopt;
        }
        const auto nu = FieldNumber(Field::cyclesPerSecond);
        if (!nu) return std::nullopt;
        function.nu = *nu;
        SetPointer(kPointerHourglass);
        sound = FunctionSound(function, soundSeconds_, &error);
        SetPointer(kPointerDefault);
    }
    if (!sound) platform_.MessageBox(error);
    return sound;
}

void MainWindowModel::mnuPlayFtItem_Click() {
    SoundOutput* output = PlayingOutput();
    if (!output) return;
    if (const std::optional<Sound> sound = FunctionSoundNow()) PlayOn(*output, *sound);
}

void MainWindowModel::PlayOn(SoundOutput& output, const Sound& sound) {
    output.onCut = [this, alive = std::weak_ptr<int>(alive_)](const std::string& why) {
        if (alive.expired()) return;
        platform_.MessageBox(
            FillIn(Translate("Messages", "The sound stopped before its end: %1"), {why}));
        if (onLiveFrame) onLiveFrame();
    };
    std::string error;
    if (!output.Play(sound, &error))
        platform_.MessageBox(
            FillIn(Translate("Messages", "The sound cannot be played: %1"), {error}));
}

void MainWindowModel::mnuPlayRecoveredItem_Click() {
    SoundOutput* output = PlayingOutput();
    if (!output) return;
    // The inverse gives the N samples of the data window back: N per window width.
    const int N = 2 * state_.inverseList.Whole(0);
    const double T = DecimalPrefix(state_.Get(Field::windowSeconds));
    if (N < 2 || !(T > 0)) {
        platform_.MessageBox(Translate("Form1", kRecoveredNotYet));
        return;
    }
    SetPointer(kPointerHourglass);
    std::string error;
    std::optional<Sound> sound =
        Resampled({N / T, Samples(state_.inverseList, N)}, output->DeviceRate(), &error);
    if (sound) sound = AudibleSound(std::move(sound->samples), sound->rate, &error);
    SetPointer(kPointerDefault);
    if (!sound) {
        platform_.MessageBox(error);
        return;
    }
    PlayOn(*output, *sound);
}

void MainWindowModel::mnuSaveSoundItem_Click() {
    const std::optional<Sound> sound = FunctionSoundNow();
    if (!sound) return;
    const std::optional<std::string> path = platform_.SaveFileName(kWavFilter);
    if (!path) return;
    SetPointer(kPointerHourglass);
    std::string error;
    const bool written = WriteWavFile(*path, *sound, &error);
    SetPointer(kPointerDefault);
    if (!written) platform_.MessageBox(CannotWriteMessage(*path, error));
}

}  // namespace quorbel
