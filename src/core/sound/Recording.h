#pragma once
// A recording of the sound input, made on the spot and handed to the raw file window
// as if it were a sound file that was opened: the same scale of samples (full scale
// +-128), the same plot of its first samples and the same transfer of a selection.
#include <optional>
#include <string>
#include <vector>

#include "rawfile/RawFile.h"
#include "state/DataList.h"

namespace quorbel {

// The samples of the input (full range -1..1) on the scale of ".raw" samples.
std::vector<double> RecordedSamples(const std::vector<double>& input);

// What the raw file window plots of a recording, as ReadSoundFile gives it for a file
// of the same samples: its first kMaxRawSamples and the point after them.
RawRead RecordedRead(const std::vector<double>& samples);

// sampleList of a transfer from a recording, as SoundSampleList gives it for a file:
// N samples from sample `first` on. Nothing (and *error says why) beyond its end.
std::optional<DataList> RecordedSampleList(const std::vector<double>& samples, int first, int N,
                                           std::string* error);

// The samples of a recording of `secondsText` seconds at `rate` hertz: enough for a
// transfer (kMinTransfer) and no more than the window plots (kMaxRawSamples). Nothing
// (and *error says why, with the range at this rate) otherwise.
std::optional<int> RecordingFrames(const std::string& secondsText, int rate, std::string* error);

}  // namespace quorbel
