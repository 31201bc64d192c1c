#include "lessons/LessonSounds.h"

#include <cmath>
#include <numbers>

namespace quorbel::lessons {

namespace {

// Heights of harmonics 1 to 5: the second is the tallest, as in many sung vowels.
constexpr double kHarmonics[] = {0.5, 1.0, 0.6, 0.3, 0.15};
constexpr double kFundamental = 220;
constexpr double kToneFrequency = 1000;

}  // namespace

Sound HarmonicSound() {
    Sound sound{kLessonSoundRate, std::vector<double>(kLessonSoundRate, 0.0)};
    for (int i = 0; i < kLessonSoundRate; ++i) {
        const double t = static_cast<double>(i) / kLessonSoundRate;
        double sum = 0;
        for (int h = 0; h < 5; ++h)
            sum += kHarmonics[h] * std::sin(2 * std::numbers::pi * kFundamental * (h + 1) * t);
        // The sum stays below 2.55 in size: a third of it stays inside full range.
        sound.samples[static_cast<size_t>(i)] = sum / 3;
    }
    return sound;
}

Sound DecayingTone(double tau) {
    Sound sound{kLessonSoundRate, std::vector<double>(kLessonSoundRate, 0.0)};
    for (int i = 0; i < kLessonSoundRate; ++i) {
        const double t = static_cast<double>(i) / kLessonSoundRate;
        sound.samples[static_cast<size_t>(i)] =
            0.8 * std::exp(-t / tau) * std::sin(2 * std::numbers::pi * kToneFrequency * t);
    }
    return sound;
}

const std::vector<LessonSoundFile>& LessonSoundFiles() {
    static const std::vector<LessonSoundFile> files = {
        {"02-real-sound", "harmonics.wav", HarmonicSound},
        {"06-decay", "decay-slow.wav", [] { return DecayingTone(0.1); }},
        {"06-decay", "decay-fast.wav", [] { return DecayingTone(0.02); }},
        {"06-decay", "decay-faster.wav", [] { return DecayingTone(0.01); }},
    };
    return files;
}

}  // namespace quorbel::lessons
