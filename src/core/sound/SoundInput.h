#pragma once
// The sound input as the windows see it: the platform's default recording device,
// reached through this small interface so that the windows record and listen without
// knowing the audio library, and the tests hand in a source of their own. Samples are
// mono, of full range -1..1, at the device's rate.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorbel {

class SoundInput {
  public:
    virtual ~SoundInput() = default;

    // Why nothing can be recorded here (no input device, no sound server), in a
    // sentence for the user; nothing when the input can be used. Answers at once.
    virtual std::optional<std::string> Unavailable() = 0;
    // The sampling frequency of the samples the input gives, hertz.
    virtual int Rate() = 0;

    // Records `frames` samples from now on and returns them; nothing (and *error says
    // why) when the device fails or stops giving samples. Returns within a few seconds
    // of the recording's own length whatever the device does.
    virtual std::optional<std::vector<double>> Record(int frames, std::string* error) = 0;

    // Starts handing the samples to `take` as they arrive, oldest first, until Stop.
    // False (and *error says why) when the device cannot be started.
    using Take = std::function<void(const std::vector<double>& samples)>;
    virtual bool Start(Take take, std::string* error) = 0;
    virtual void Stop() = 0;

    // Told, with the reason (a sentence), when the input started by Start stops by
    // itself: no sample came for a while (its sound server stopped answering). It is
    // stopped then, as by Stop.
    std::function<void(const std::string& why)> onStopped;
};

// The tooltip of what records or listens when there is no input: the reason, or a
// plain one when the platform has no sound input at all.
std::optional<std::string> WhyNoSoundInput(SoundInput* input);

}  // namespace quorbel
