#pragma once
// The sound of the function being analysed: its samples at a rate of the sound's own,
// on the scale of full range -1..1, made audible without clicks (short linear fades in
// and out) and at a comfortable, fixed level (the largest sample at 0.8 of full scale).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel {

// The rate calculated waves are synthesised at, hertz.
inline constexpr int kSoundRate = 44100;
// The largest sample of every sound, of full scale.
inline constexpr double kSoundPeak = 0.8;
// The fades at both ends, seconds.
inline constexpr double kSoundFadeSeconds = 0.010;
// The lengths a synthesised sound may have, seconds (the command line's range; the
// window's menu offers 1, 2 and 5).
inline constexpr double kMinSoundSeconds = 0.1, kMaxSoundSeconds = 60, kDefaultSoundSeconds = 2;

// Said when a function has no sample other than 0: there is nothing to scale or hear.
inline constexpr const char* kSilentFunction =
    QT_TRANSLATE_NOOP("Messages", "The function is zero everywhere: there is nothing to hear.");

struct Sound {
    double rate = 0;              // samples per second
    std::vector<double> samples;  // mono, full range -1..1
};

// The test function as a wave of time: which formula and its parameters, as the main
// window holds them. Time t (seconds) enters as x = 2 pi nu t.
struct WaveFunction {
    enum class Kind { MultipleSines, MultipleCosines, Sine, Square, Triangular };
    Kind kind = Kind::MultipleSines;
    double nu = 0;   // cycles per second
    double phi = 0;  // phase of a simple wave, radians
    std::array<WaveRow, 10> rows{};
};

// `count` samples of the function at `rate` samples per second, from t = 0, by the same
// formulas and in the same order of operations as the window's samples: sample k is
// the window's sample k of a window of N = rate points, and row i of the wave table
// sounds at b_i * nu hertz.
std::vector<double> WaveFunctionSamples(const WaveFunction& function, int rate, int count);

// Multiplies every sample by the factor that brings the largest absolute sample to
// `peak`. False, the samples untouched, when they are all 0 or one is not a number.
bool ScaleToPeak(std::vector<double>& samples, double peak);

// Linear fades over the first and the last `seconds` at `rate`: the first sample is
// silenced, sample i of the fade is weighted i / n; a sound shorter than both fades
// fades in over its first half and out over its second.
void FadeEnds(std::vector<double>& samples, double rate, double seconds);

// The samples made audible: faded at both ends, then scaled to kSoundPeak (so the
// largest sample is exactly the peak). Nothing, with kSilentFunction, when there is
// nothing to hear, or with kValuesOutOfRange when a sample is not a finite number.
std::optional<Sound> AudibleSound(std::vector<double> samples, double rate, std::string* error);

// The sound of the function at kSoundRate for `seconds`.
std::optional<Sound> FunctionSound(const WaveFunction& function, double seconds,
                                   std::string* error);

// The sound converted to `rate` samples per second by libsamplerate's best sinc
// converter. Nothing (and why) when the ratio of the rates is beyond its reach.
std::optional<Sound> Resampled(const Sound& sound, int rate, std::string* error);

}  // namespace quorbel
