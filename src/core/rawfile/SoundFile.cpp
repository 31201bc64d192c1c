#include "rawfile/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/Translation.h"
#include "rawfile/SoundStream.h"
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

// The sample an instant of `channels` interleaved samples gives.
double ChannelSample(const double* frame, int channels, ChannelChoice choice) {
    if (choice != ChannelChoice::mean || channels < 2) return frame[0];
    double sum = 0;
    for (int c = 0; c < channels; ++c) sum += frame[c];
    return sum / channels;
}

// Moves to instant `first`: by seeking where the file allows it, else by decoding
// the instants before it. False when the file ends before it.
bool SkipTo(Opened& opened, sf_count_t first) {
    if (first <= 0) return true;
    if (opened.info.seekable && sf_seek(opened.file.get(), first, SEEK_SET) == first) return true;
    if (sf_seek(opened.file.get(), 0, SEEK_SET) != 0) return false;
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * opened.info.channels);
    for (sf_count_t done = 0; done < first;) {
        const sf_count_t got =
            sf_readf_double(opened.file.get(), frames.data(), std::min(kChunkFrames, first - done));
        if (got <= 0) return false;
        done += got;
    }
    return true;
}

// Up to `count` samples from the file's current instant on, one per frame.
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
        for (sf_count_t f = 0; f < got; ++f)
            samples.push_back(RawScaleSample(
                ChannelSample(&frames[static_cast<size_t>(f * channels)], channels, choice)));
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
                                       std::string* error, std::uintmax_t start) {
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return std::nullopt;
    SoundRead read;
    read.rate = opened->info.samplerate;
    read.channels = opened->info.channels;
    const sf_count_t first = static_cast<sf_count_t>(start);
    if (!SkipTo(*opened, first)) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    // n + 1 points are plotted; the last comes from beyond a short file.
    std::vector<double> samples = Decode(*opened, kMaxRawSamples + 1, choice);
    // Some files do not state their length; what could be decoded counts then.
    const sf_count_t stated = opened->info.frames;
    const sf_count_t frames = stated > 0 && stated < SF_COUNT_MAX
                                  ? std::max<sf_count_t>(stated, first + samples.size())
                                  : first + static_cast<sf_count_t>(samples.size());
    if (samples.empty() || frames <= 0) {
        *error = start > 0 ? FillIn(Translate("Messages",
                                              "The file %1 is shorter than when it was "
                                              "plotted; open it again."),
                                    {QuotedText(path.filename().string())})
                           : FillIn(Translate("Messages",
                                              "The file %1 is empty: it holds no samples to "
                                              "plot."),
                                    {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    RawRead& raw = read.samples;
    raw.length = static_cast<std::uintmax_t>(frames);
    raw.start = start;
    raw.n =
        static_cast<int>(std::min<sf_count_t>(std::min<sf_count_t>(frames - first, kMaxRawSamples),
                                              static_cast<sf_count_t>(samples.size())));
    samples.resize(static_cast<size_t>(raw.n) + 1, 0);
    raw.data = std::move(samples);
    return read;
}

std::optional<DataList> SoundSampleList(const std::filesystem::path& path, std::int64_t first,
                                        int N, ChannelChoice choice, std::string* error) {
    if (first < 0 || N < 1) {
        *error = Translate("Messages", "No samples were selected.");
        return std::nullopt;
    }
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return std::nullopt;
    std::vector<double> samples;
    if (SkipTo(*opened, first)) samples = Decode(*opened, N, choice);
    if (samples.size() < static_cast<size_t>(N)) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {QuotedText(path.filename().string())});
        return std::nullopt;
    }
    return SampleList(samples);
}

// --- a whole sound file in blocks

namespace {

class SoundFileStream : public SoundStream {
  public:
    SoundFileStream(Opened opened, ChannelChoice choice, std::int64_t length)
        : opened_(std::move(opened)), choice_(choice), length_(length) {
        // A block of a file of many channels holds as many values as one of few.
        const int channels = opened_.info.channels;
        chunk_ = std::max<sf_count_t>(1, kChunkFrames * 4 / std::max(channels, 1));
        frames_.resize(static_cast<size_t>(chunk_) * static_cast<size_t>(channels));
    }

    double Rate() const override { return opened_.info.samplerate; }
    std::int64_t Length() const override { return length_; }
    int Channels() const override { return opened_.info.channels; }
    std::size_t BufferBytes() const override { return frames_.capacity() * sizeof(double); }

    std::size_t Read(double* out, std::size_t count) override {
        const int channels = opened_.info.channels;
        std::size_t done = 0;
        while (done < count) {
            const sf_count_t wanted =
                std::min<sf_count_t>(chunk_, static_cast<sf_count_t>(count - done));
            const sf_count_t got = sf_readf_double(opened_.file.get(), frames_.data(), wanted);
            if (got <= 0) break;
            for (sf_count_t f = 0; f < got; ++f)
                out[done++] = RawScaleSample(ChannelSample(
                                  &frames_[static_cast<size_t>(f * channels)], channels, choice_)) /
                              128;
        }
        return done;
    }

  private:
    Opened opened_;
    ChannelChoice choice_;
    std::int64_t length_;
    sf_count_t chunk_ = 1;
    std::vector<double> frames_;
};

// The instants of a file whose header does not state them, counted by decoding it.
sf_count_t CountFrames(Opened& opened) {
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * opened.info.channels);
    sf_count_t count = 0;
    for (sf_count_t got;
         (got = sf_readf_double(opened.file.get(), frames.data(), kChunkFrames)) > 0;)
        count += got;
    return count;
}

}  // namespace

std::unique_ptr<SoundStream> OpenSoundFileStream(const std::filesystem::path& path,
                                                 ChannelChoice choice, std::string* error) {
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return nullptr;
    sf_count_t length = opened->info.frames;
    if (length <= 0 || length >= SF_COUNT_MAX) {
        length = CountFrames(*opened);
        opened = Open(path, error);
        if (!opened) return nullptr;
    }
    if (length <= 0) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {QuotedText(path.filename().string())});
        return nullptr;
    }
    return std::make_unique<SoundFileStream>(std::move(*opened), choice, length);
}

}  // namespace quorbel
