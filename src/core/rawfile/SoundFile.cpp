#include "rawfile/SoundFile.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "rawfile/SoundStream.h"
#include "sound/SoundLibraries.h"
#include "state/FileReplace.h"
#include "state/QuotedText.h"

namespace quorbel {

namespace {

// Frames decoded at a time, so that a file of many channels needs little memory.
constexpr sf_count_t kChunkFrames = 4096;

struct Closer {
    void operator()(SNDFILE* file) const { Sndfile()->close(file); }
};
using SoundHandle = std::unique_ptr<SNDFILE, Closer>;

struct Opened {
    SoundHandle file;
    SF_INFO info{};
};

// The reason libsndfile gives, in the program's words; its own text follows only
// where it adds something (the system's error, the damage it found).
std::string OpenFailure(const std::string& name, SNDFILE* failed) {
    const int code = Sndfile()->error(failed);
    const std::string library = Sndfile()->strerror(failed);
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
    std::string missing;
    if (!Sndfile(&missing)) {
        *error =
            FillIn(Translate("Messages", "The file %1 cannot be opened: %2."), {name, missing});
        return std::nullopt;
    }
    Opened opened;
    opened.file.reset(Sndfile()->open(path.string().c_str(), SFM_READ, &opened.info));
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

// Moves to instant `first`: by seeking where the file allows it, else (a codec that
// cannot seek: GSM 6.10, G.721, ...) by opening `path` again and decoding the instants
// before it. False when the file ends before it.
bool SkipTo(Opened& opened, const std::filesystem::path& path, sf_count_t first) {
    if (first <= 0) return true;
    if (opened.info.seekable && Sndfile()->seek(opened.file.get(), first, SEEK_SET) == first)
        return true;
    std::string ignored;
    std::optional<Opened> again = Open(path, &ignored);
    if (!again) return false;
    opened = std::move(*again);
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * opened.info.channels);
    for (sf_count_t done = 0; done < first;) {
        const sf_count_t got = Sndfile()->readfDouble(opened.file.get(), frames.data(),
                                                      std::min(kChunkFrames, first - done));
        if (got <= 0) return false;
        done += got;
    }
    return true;
}

// Why decoding stopped, when the decoder stopped on damage rather than at the end: the
// library's words without its "Error : " and its full stop, as they go in brackets.
std::optional<std::string> DecodeFailure(const Opened& opened) {
    if (Sndfile()->error(opened.file.get()) == SF_ERR_NO_ERROR) return std::nullopt;
    std::string why = Sndfile()->strerror(opened.file.get());
    for (const char* prefix : {"Error : ", "Error: "})
        if (why.rfind(prefix, 0) == 0) why.erase(0, std::char_traits<char>::length(prefix));
    while (!why.empty() && (why.back() == '.' || why.back() == ' ')) why.pop_back();
    if (why.empty()) why = "error " + std::to_string(Sndfile()->error(opened.file.get()));
    return why;
}

std::string NothingDecoded(const std::string& name, const std::string& why) {
    return FillIn(Translate("Messages",
                            "The file %1 is a damaged sound file: its header can be read, but "
                            "none of its samples can be decoded (%2)."),
                  {name, why});
}

// Up to `count` samples from the file's current instant on, one per frame; fewer
// when the file ends or (*failure says why) its decoding stops on damage.
std::vector<double> Decode(Opened& opened, sf_count_t count, ChannelChoice choice,
                           std::optional<std::string>* failure = nullptr) {
    const int channels = opened.info.channels;
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * channels);
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(std::max<sf_count_t>(count, 0)));
    while (static_cast<sf_count_t>(samples.size()) < count) {
        const sf_count_t wanted =
            std::min(kChunkFrames, count - static_cast<sf_count_t>(samples.size()));
        const sf_count_t got = Sndfile()->readfDouble(opened.file.get(), frames.data(), wanted);
        if (got < wanted && failure) *failure = DecodeFailure(opened);
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
    const std::string name = QuotedText(path.filename().string());
    SoundRead read;
    read.rate = opened->info.samplerate;
    read.channels = opened->info.channels;
    const sf_count_t first = static_cast<sf_count_t>(start);
    if (!SkipTo(*opened, path, first)) {
        *error = FillIn(Translate("Messages",
                                  "The file %1 is shorter than when it was plotted; open it "
                                  "again."),
                        {name});
        return std::nullopt;
    }
    // n + 1 points are plotted; the last comes from beyond a short file.
    std::optional<std::string> failure;
    std::vector<double> samples = Decode(*opened, kMaxRawSamples + 1, choice, &failure);
    // Some files do not state their length; what could be decoded counts then, and
    // so it does for a file whose decoding stops on damage: it ends there.
    const sf_count_t stated = opened->info.frames;
    const sf_count_t decoded = first + static_cast<sf_count_t>(samples.size());
    const sf_count_t frames = !failure && stated > 0 && stated < SF_COUNT_MAX
                                  ? std::max<sf_count_t>(stated, decoded)
                                  : decoded;
    if (samples.empty() || frames <= 0) {
        *error = failure     ? NothingDecoded(name, *failure)
                 : start > 0 ? FillIn(Translate("Messages",
                                                "The file %1 is shorter than when it was "
                                                "plotted; open it again."),
                                      {name})
                             : FillIn(Translate("Messages",
                                                "The file %1 is empty: it holds no samples to "
                                                "plot."),
                                      {name});
        return std::nullopt;
    }
    if (failure)
        read.damage = FillIn(Translate("Messages",
                                       "The file %1 is damaged after sample %2 (%3): only the "
                                       "samples before the damage are shown."),
                             {name, std::to_string(decoded), *failure});
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
    if (SkipTo(*opened, path, first)) samples = Decode(*opened, N, choice);
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
            const sf_count_t got =
                Sndfile()->readfDouble(opened_.file.get(), frames_.data(), wanted);
            // The decoder says why at the short read; the next read would clear it.
            if (got < wanted && !failure_) failure_ = DecodeFailure(opened_);
            if (got <= 0) break;
            for (sf_count_t f = 0; f < got; ++f)
                out[done++] = RawScaleSample(ChannelSample(
                                  &frames_[static_cast<size_t>(f * channels)], channels, choice_)) /
                              128;
        }
        return done;
    }
    std::optional<std::string> Failure() const override { return failure_; }

  private:
    Opened opened_;
    ChannelChoice choice_;
    std::int64_t length_;
    sf_count_t chunk_ = 1;
    std::vector<double> frames_;
    std::optional<std::string> failure_;
};

// The instants of a file whose header does not state them, counted by decoding it;
// nothing (and *failure says why) when decoding stops on damage.
std::optional<sf_count_t> CountFrames(Opened& opened, std::string* failure) {
    std::vector<double> frames(static_cast<size_t>(kChunkFrames) * opened.info.channels);
    sf_count_t count = 0;
    for (sf_count_t got;
         (got = Sndfile()->readfDouble(opened.file.get(), frames.data(), kChunkFrames)) > 0;)
        count += got;
    if (const std::optional<std::string> why = DecodeFailure(opened)) {
        *failure = *why;
        return std::nullopt;
    }
    return count;
}

}  // namespace

std::unique_ptr<SoundStream> OpenSoundFileStream(const std::filesystem::path& path,
                                                 ChannelChoice choice, std::string* error) {
    std::optional<Opened> opened = Open(path, error);
    if (!opened) return nullptr;
    const std::string name = QuotedText(path.filename().string());
    sf_count_t length = opened->info.frames;
    std::string failure;
    if (length <= 0 || length >= SF_COUNT_MAX) {
        const std::optional<sf_count_t> counted = CountFrames(*opened, &failure);
        if (!counted) {
            *error = FillIn(Translate("Messages", "The file %1 is a damaged sound file (%2)."),
                            {name, failure});
            return nullptr;
        }
        length = *counted;
    } else {
        // A file damaged right after its header is refused now, not once its
        // analysis has started; one that decodes to nothing is empty.
        std::vector<double> frame(static_cast<size_t>(opened->info.channels));
        if (Sndfile()->readfDouble(opened->file.get(), frame.data(), 1) != 1) {
            if (const std::optional<std::string> why = DecodeFailure(*opened)) {
                *error = NothingDecoded(name, *why);
                return nullptr;
            }
            length = 0;
        }
    }
    // Read from its start again, opened anew: not every codec can seek back.
    opened = Open(path, error);
    if (!opened) return nullptr;
    if (length <= 0) {
        *error = FillIn(Translate("Messages", "The file %1 is empty: it holds no samples to plot."),
                        {name});
        return nullptr;
    }
    return std::make_unique<SoundFileStream>(std::move(*opened), choice, length);
}

}  // namespace quorbel
