#pragma once
// A sound read from its start in blocks, for analyses that go through a whole file
// whatever its length (the spectrogram): only a block of samples is held at a time.
// Samples are of full range -1..1: a sound file's samples as the raw file window
// takes them (RawScaleSample) divided by 128, a ".raw" byte b as (b - 128) / 128.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "rawfile/SoundFile.h"

namespace quorbel {

class SoundStream {
  public:
    virtual ~SoundStream() = default;
    // Sampling frequency, hertz (> 0).
    virtual double Rate() const = 0;
    // Samples (instants) in the sound, as its header states them or as counted.
    virtual std::int64_t Length() const = 0;
    virtual int Channels() const { return 1; }
    // Up to `count` next samples into out[0..count); fewer only at the end of the
    // sound (or when the file was cut short since it was opened).
    virtual std::size_t Read(double* out, std::size_t count) = 0;
    // Why Read gave fewer samples than Length() promised, when the decoder stopped on
    // damage (its own words); nothing while it has not, or when the sound just ended.
    virtual std::optional<std::string> Failure() const { return std::nullopt; }
    // The bytes this reader holds beyond the object itself.
    virtual std::size_t BufferBytes() const { return 0; }
};

// Opens `path` as the raw file window reads it: a ".raw" name as headerless bytes
// at `rawRate` hertz, every other file as a sound file recognised by its content,
// giving the channel `choice` picks. Nothing (and *error says why) when the file
// cannot be read or holds no sample.
std::unique_ptr<SoundStream> OpenSoundStream(const std::filesystem::path& path,
                                             ChannelChoice choice, double rawRate,
                                             std::string* error);

// The sound-file half of OpenSoundStream (libsndfile).
std::unique_ptr<SoundStream> OpenSoundFileStream(const std::filesystem::path& path,
                                                 ChannelChoice choice, std::string* error);

}  // namespace quorbel
