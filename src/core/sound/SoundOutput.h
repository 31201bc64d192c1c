#pragma once
// The default sound output as the window models see it, through the platform: is
// there one, at which rate does it play, and play a sound on it. The Qt layer plays
// through the desktop's sound server; the tests record what would have been played.
#include <functional>
#include <optional>
#include <string>

#include "sound/Sound.h"

namespace quorbel {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Why no sound can be played (no sound server answers, it has no output device),
    // one sentence; nothing when sounds can be played. Answers within a few seconds
    // whatever the server does.
    virtual std::optional<std::string> Unavailable() = 0;
    // The rate the default output plays at, samples per second.
    virtual int DeviceRate() = 0;
    // Starts playing `sound` on the default output, in place of any sound still
    // playing. False, with the reason in `error`, when it cannot be played.
    virtual bool Play(const Sound& sound, std::string* error) = 0;

    // Told, with the reason (a sentence), when a sound that started playing stops
    // before its end (its sound server stopped answering).
    std::function<void(const std::string& why)> onCut;
};

}  // namespace quorbel
