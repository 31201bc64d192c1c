#pragma once
// What the main window's live view keeps from one frame to the next.
#include <cstddef>
#include <vector>

#include "sound/SampleRing.h"

namespace quorbel {

struct LiveState {
    SampleRing ring{kMaxLiveSamples};
    std::vector<double> frame;         // the samples of the frame on screen, raw scale
    int length = kDefaultLiveSamples;  // the samples each frame analyses
    int rate = 0;                      // the input's sampling frequency, hertz
    bool listening = false;
    bool transferring = false;   // the raw file window's transfer is the live frame's
    std::size_t sinceFrame = 0;  // samples heard since the last frame
};

}  // namespace quorbel
