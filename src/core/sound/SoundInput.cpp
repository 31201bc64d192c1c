#include "sound/SoundInput.h"

namespace quorbel {

std::optional<std::string> WhyNoSoundInput(SoundInput* input) {
    if (!input) return "This program has no sound input here: nothing can be recorded.";
    return input->Unavailable();
}

}  // namespace quorbel
