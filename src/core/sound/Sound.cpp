#include "sound/Sound.h"

#include <algorithm>
#include <cmath>

#include "platform/Translation.h"
#include "sound/SoundLibraries.h"
#include "state/NumberText.h"

namespace quorbel {

std::vector<double> WaveFunctionSamples(const WaveFunction& function, int rate, int count) {
    using Kind = WaveFunction::Kind;
    if (rate < 1 || count < 1) return {};
    switch (function.kind) {
        case Kind::MultipleSines:
        case Kind::MultipleCosines:
            return MultipleWaveValues(rate, count, function.nu, function.rows,
                                      function.kind == Kind::MultipleSines);
        case Kind::Sine:
            return SineValues(rate, count, function.nu, function.phi);
        case Kind::Square:
            return SquareValues(rate, count, function.nu, function.phi);
        case Kind::Triangular:
            return TriangularValues(rate, count, function.nu, function.phi);
    }
    return {};
}

bool ScaleToPeak(std::vector<double>& samples, double peak) {
    double largest = 0;
    for (const double s : samples) {
        if (!std::isfinite(s)) return false;
        largest = std::max(largest, std::fabs(s));
    }
    if (largest == 0) return false;
    const double factor = peak / largest;
    for (double& s : samples) s *= factor;
    return true;
}

void FadeEnds(std::vector<double>& samples, double rate, double seconds) {
    const size_t total = samples.size();
    const auto wanted = static_cast<size_t>(std::max(0.0, std::round(rate * seconds)));
    const size_t n = std::min(wanted, total / 2);
    for (size_t i = 0; i < n; ++i) {
        const double weight = static_cast<double>(i) / static_cast<double>(n);
        samples[i] *= weight;
        samples[total - 1 - i] *= weight;
    }
}

std::optional<Sound> AudibleSound(std::vector<double> samples, double rate, std::string* error) {
    for (const double s : samples) {
        if (!std::isfinite(s)) {
            if (error) *error = kValuesOutOfRange;
            return std::nullopt;
        }
    }
    FadeEnds(samples, rate, kSoundFadeSeconds);
    if (!ScaleToPeak(samples, kSoundPeak)) {
        if (error) *error = Translate("Messages", kSilentFunction);
        return std::nullopt;
    }
    return Sound{rate, std::move(samples)};
}

std::optional<Sound> FunctionSound(const WaveFunction& function, double seconds,
                                   std::string* error) {
    const auto count = static_cast<int>(std::lround(seconds * kSoundRate));
    return AudibleSound(WaveFunctionSamples(function, kSoundRate, count), kSoundRate, error);
}

std::optional<Sound> Resampled(const Sound& sound, int rate, std::string* error) {
    if (sound.rate == rate) return sound;
    const double ratio = rate / sound.rate;
    std::string missing;
    const SamplerateCalls* samplerate = Samplerate(&missing);
    if (!samplerate) {
        if (error) *error = missing + ".";
        return std::nullopt;
    }
    if (!(sound.rate > 0) || samplerate->isValidRatio(ratio) == 0) {
        if (error)
            *error = FillIn(Translate("Messages",
                                      "A sound of %1 samples per second cannot be converted "
                                      "to the %2 of the sound output."),
                            {NumberText(sound.rate), std::to_string(rate)});
        return std::nullopt;
    }
    const std::vector<float> in(sound.samples.begin(), sound.samples.end());
    std::vector<float> out(static_cast<size_t>(std::ceil(in.size() * ratio)) + 16);
    SRC_DATA data{};
    data.data_in = in.data();
    data.input_frames = static_cast<long>(in.size());
    data.data_out = out.data();
    data.output_frames = static_cast<long>(out.size());
    data.src_ratio = ratio;
    data.end_of_input = 1;
    if (const int failure = samplerate->simple(&data, SRC_SINC_BEST_QUALITY, 1); failure != 0) {
        if (error)
            *error = FillIn(Translate("Messages", "The sound cannot be converted: %1."),
                            {samplerate->strerror(failure)});
        return std::nullopt;
    }
    Sound converted{static_cast<double>(rate), {}};
    converted.samples.assign(out.begin(), out.begin() + data.output_frames_gen);
    return converted;
}

}  // namespace quorbel
