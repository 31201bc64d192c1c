#include "sound/Recording.h"

#include <cmath>

#include "platform/Translation.h"
#include "rawfile/SoundFile.h"
#include "state/NumberText.h"

namespace quorbel {

std::vector<double> RecordedSamples(const std::vector<double>& input) {
    std::vector<double> samples;
    samples.reserve(input.size());
    for (double x : input) samples.push_back(RawScaleSample(x));
    return samples;
}

RawRead RecordedRead(const std::vector<double>& samples) {
    RawRead read;
    read.length = samples.size();
    read.n = static_cast<int>(std::min<std::size_t>(samples.size(), kMaxRawSamples));
    // The point after the plotted ones: the next sample, or the zero level past the end.
    read.data.assign(samples.begin(), samples.begin() + read.n);
    read.data.push_back(samples.size() > static_cast<std::size_t>(read.n) ? samples[read.n] : 0);
    return read;
}

std::optional<DataList> RecordedSampleList(const std::vector<double>& samples, int first, int N,
                                           std::string* error) {
    if (first < 0 || N < 1) {
        *error = Translate("Messages", "No samples were selected.");
        return std::nullopt;
    }
    if (static_cast<std::size_t>(first) + static_cast<std::size_t>(N) > samples.size()) {
        *error = FillIn(Translate("Messages",
                                  "The recording holds %1 samples: the selection goes past its "
                                  "end."),
                        {std::to_string(samples.size())});
        return std::nullopt;
    }
    return SampleList(std::vector<double>(samples.begin() + first, samples.begin() + first + N));
}

std::optional<int> RecordingFrames(const std::string& secondsText, int rate, std::string* error) {
    if (rate < 1) {
        *error = Translate("Messages",
                           "The sound input states no sampling frequency: nothing can be "
                           "recorded.");
        return std::nullopt;
    }
    const std::optional<double> seconds = ParseNumber(secondsText);
    // Seconds shown with three decimals, rounded inwards so that both ends can be typed.
    const double shortest = std::ceil(1000.0 * kMinTransfer / rate) / 1000;
    const double longest = std::floor(1000.0 * kMaxRawSamples / rate) / 1000;
    const double frames = seconds ? std::round(*seconds * rate) : 0;
    if (!seconds || !(frames >= kMinTransfer) || !(frames <= kMaxRawSamples)) {
        *error = FillIn(Translate("Messages",
                                  "The length of the recording must be a number of seconds "
                                  "from %1 to %2 (from %3 to %4 samples at the input's %5 "
                                  "hertz). Type it in the box beside \"Record\"."),
                        {NumberText(shortest), NumberText(longest), std::to_string(kMinTransfer),
                         std::to_string(kMaxRawSamples), std::to_string(rate)});
        return std::nullopt;
    }
    return static_cast<int>(frames);
}

}  // namespace quorbel
