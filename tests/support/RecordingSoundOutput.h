#pragma once
// A sound output for the tests: it plays nothing, keeps every sound it was given and
// answers the questions of availability and rate as the test set it up.
#include <optional>
#include <string>
#include <vector>

#include "sound/SoundOutput.h"

namespace quorbel {

class RecordingSoundOutput : public SoundOutput {
  public:
    std::optional<std::string> Unavailable() override {
        ++availabilityQuestions;
        return unavailable;
    }
    int DeviceRate() override { return deviceRate; }
    bool Play(const Sound& sound, std::string* error) override {
        if (playRefusal) {
            if (error) *error = *playRefusal;
            return false;
        }
        played.push_back(sound);
        return true;
    }

    std::optional<std::string> unavailable;  // the answer of Unavailable()
    int deviceRate = 48000;
    std::optional<std::string> playRefusal;  // set: Play fails with this reason
    std::vector<Sound> played;               // every sound played, in order
    int availabilityQuestions = 0;
};

}  // namespace quorbel
