#include "rawfile/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/Translation.h"
#include "state/FileReplace.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {

// Frames decoded at a time, so that a file of many channels needs little memory.
constexpr sf_count_t kChunkFrames = 4096;

struct Closer {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundHandle = std::unique_ptr<SNDFILE, Closer>;

struct Opened {
    SoundHandle file;
    SF_INFO info{};
};

// The reason libsndfile gives, in the program's words; its own text follows only
// where it adds something (the system's error, the damage it found).
std::string OpenFailure(const std::string& name, SNDFILE* failed) {
    const int code = sf_error(failed);
    const std::string library = sf_strerror(failed);
    switch (code) {
        case SF_ERR_UNRECOGNISED_FORMAT:
            return FillIn(Translate("Messages",
                                    "The file %1 is not a sound file this window can open: "
                                    "its content is in no sound format it knows, and only a "
                                    "name ending in .raw is read as headerless bytes."),
                          {name});
        case SF_ERR_SYSTEM:
            return FillIn(Translate("Messages", "The file %1 cannot be read (%2)."),
                          {name, library});
        case SF_ERR_MALFORMED_FILE:
            return FillIn(Translate("Messages", "The file %1 is a damaged sound file (%2)."),
                          {name, library});
        case SF_ERR_UNSUPPORTED_ENCODING:
            return FillIn(Translate("Messages",
                                    "The file %1 holds its sound in an encoding this window "
                                    "cannot decode."),
                          {name});
        default:
            // What remains are the library's own checks of the header it read: no
            // sampling frequency, no channel, sizes that do not fit.
            return FillIn(Translate("Messages",
                                    "The file %1 is a sound file whose header is incomplete: "
                                    "it states no sampling frequency, no channel or no sample "
                                    "format that can be used."),
                          {name});
    }
}

std::optional<Opened> Open(const std::filesystem::path& path, std::string* error) {
    const std::string name = QuotedText(path.filename().string());
    // A pipe or a device is refused before it is opened: reading it could wait for ever.
    if (const std::optional<std::string> why = WhyNotReadable(path)) {
        *error = FillIn(Translate("Messages", "The file %1 cannot be opened: %2."),
                        {QuotedText(path.filename().string()), *why});
        return std::nullopt;
    }
    std::error_code code;
    if (std::filesystem::file_size(path, code) == 0 && !code) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {name});
        return std::nullopt;
    }
    Opened opened;
    opened.file.reset(sf_open(path.string().c_str(), SFM_READ, &opened.info));
    if (!opened.file) {
        *error = OpenFailure(name, nullptr);
        return std::nullopt;
    }
    if (opened.info.channels < 1 || opened.info.samplerate < 1) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is a sound file whose header is incomplete: it "
                                  "states no sampling frequency or no channel."),
                        {name});
        return std::nullopt;
    }
    return opened;
}

// Up to `count` samples from the start of the file, one per frame.
std::vector<double> Decode(Opened& opened, sf_count_t count, ChannelChoice choice) {
    const int channels = opened.info.channels;
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * channels);
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(std::max<sf_count_t>(count, 0)));
    while (static_cast<sf_count_t>(samples.size()) < count) {
        const sf_count_t wanted =
            std::min(kChunkFrames, count - static_cast<sf_count_t>(samples.size()));
        const sf_count_t got = sf_readf_double(opened.file.get(), frames.data(), wanted);
        if (got <= 0) break;
        for (sf_count_t f = 0; f < got; ++f) {
            const double* frame = &frames[static_cast<size_t>(f * channels)];
            double x = frame[0];
            if (choice == ChannelChoice::mean && channels > 1) {
                double sum = 0;
                for (int c = 0; c < channels; ++c) sum += frame[c];
                x = sum / channels;
            }
            samples.push_back(RawScaleSample(x));
        }
    }
    return samples;
}

}  // namespace

double RawScaleSample(double x) {
    if (!(x == x)) return 0;  // not a number: silence
    // + 0.0 makes a negative zero a plain zero, which the number text writes as "0".
    return std::clamp(128 * x, -128.0, 128.0) + 0.0;
}

std::optional<SoundRead> ReadSoundFile(const std::filesystem::path& path, ChannelChoice choice,
                                       std::string* error) {
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return std::nullopt;
    SoundRead read;
    read.rate = opened->info.samplerate;
    read.channels = opened->info.channels;
    // n + 1 points are plotted; the last comes from beyond a short file.
    std::vector<double> samples = Decode(*opened, kMaxRawSamples + 1, choice);
    // Some files do not state their length; what could be decoded counts then.
    const sf_count_t stated = opened->info.frames;
    const sf_count_t frames = stated > 0 && stated < SF_COUNT_MAX
                                  ? std::max<sf_count_t>(stated, samples.size())
                                  : static_cast<sf_count_t>(samples.size());
    if (samples.empty() || frames <= 0) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    RawRead& raw = read.samples;
    raw.length = static_cast<std::uintmax_t>(frames);
    raw.n = static_cast<int>(std::min<sf_count_t>(std::min<sf_count_t>(frames, kMaxRawSamples),
                                                  static_cast<sf_count_t>(samples.size())));
    samples.resize(static_cast<size_t>(raw.n) + 1, 0);
    raw.data = std::move(samples);
    return read;
}

std::optional<DataList> SoundSampleList(const std::filesystem::path& path, int first, int N,
                                        ChannelChoice choice, std::string* error) {
    if (first < 0 || N < 1) {
        *error = Translate("Messages", "No samples were selected.");
        return std::nullopt;
    }
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return std::nullopt;
    // Decoding from the start needs no seeking, which compressed files may not offer
    // exactly; the selection lies within the first plotted samples anyway.
    std::vector<double> samples = Decode(*opened, static_cast<sf_count_t>(first) + N, choice);
    if (samples.size() < static_cast<size_t>(first) + static_cast<size_t>(N)) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    return SampleList(std::vector<double>(samples.begin() + first, samples.end()));
}

}  // namespace quorbel
