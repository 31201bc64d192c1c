#include "sound/SoundInput.h"

#include "platform/Translation.h"

namespace quorbel {

std::optional<std::string> WhyNoSoundInput(SoundInput* input) {
    if (!input)
        return Translate("Messages",
                         "This program has no sound input here: nothing can be recorded.");
    return input->Unavailable();
}

}  // namespace quorbel
