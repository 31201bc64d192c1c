#pragma once
// The spectrogram as text: every frame's levels, not the averaged columns of the
// picture.
#include <ostream>

#include "spectrogram/Spectrogram.h"

namespace quorbel {

// Analyses what is left of `spectrogram` and writes a header line ("time (s)", then
// the hertz of bins 0 .. frame/2), then one line per frame: its centre time in
// seconds, then the level of each bin in dB to two decimals, comma-separated.
void WriteSpectrogramCsv(Spectrogram& spectrogram, std::ostream& out);

}  // namespace quorbel
