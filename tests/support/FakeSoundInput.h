#pragma once
// A sound input of the tests: a sampling frequency of their choice, recordings cut
// from a sound they give beforehand, and samples handed to a listening window when
// the test feeds them.
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "sound/SoundInput.h"

namespace quorbel::testing {

// `count` samples of the sum of sines amplitude * sin(2 pi f t), f hertz at `rate`.
inline std::vector<double> Tones(const std::vector<std::pair<double, double>>& tones, int rate,
                                 int count, int start = 0) {
    std::vector<double> samples(static_cast<size_t>(count), 0.0);
    for (int i = 0; i < count; ++i)
        for (const auto& [f, amplitude] : tones)
            samples[i] += amplitude * std::sin(2 * std::numbers::pi * f * (start + i) / rate);
    return samples;
}

class FakeSoundInput : public SoundInput {
  public:
    std::optional<std::string> Unavailable() override { return unavailable; }
    int Rate() override { return rate; }
    std::optional<std::vector<double>> Record(int frames, std::string* error) override {
        ++recordings;
        requestedFrames = frames;
        if (failure) {
            *error = *failure;
            return std::nullopt;
        }
        std::vector<double> samples(sound.begin(),
                                    sound.begin() + std::min<size_t>(frames, sound.size()));
        samples.resize(static_cast<size_t>(frames), 0.0);
        return samples;
    }
    bool Start(Take take, std::string* error) override {
        if (failure) {
            *error = *failure;
            return false;
        }
        take_ = std::move(take);
        return true;
    }
    void Stop() override {
        take_ = nullptr;
        ++stops;
    }
    bool Running() const { return static_cast<bool>(take_); }
    // Hands `samples` to the listening window, in chunks of `chunk`.
    void Feed(const std::vector<double>& samples, size_t chunk = 441) {
        for (size_t i = 0; i < samples.size() && take_; i += chunk)
            take_(std::vector<double>(samples.begin() + i,
                                      samples.begin() + std::min(samples.size(), i + chunk)));
    }

    int rate = 44100;
    std::optional<std::string> unavailable;
    std::optional<std::string> failure;  // what Record and Start answer when set
    std::vector<double> sound;           // what a recording gives from its start
    int recordings = 0, requestedFrames = 0, stops = 0;

  private:
    Take take_;
};

}  // namespace quorbel::testing
