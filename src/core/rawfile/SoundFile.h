#pragma once
// Sound files with a header (WAV, FLAC, Ogg/Vorbis), opened in the raw file window
// beside ".raw" files and decoded with libsndfile. Their samples are brought to the
// scale of ".raw" samples, -128..127: a sample x of full range -1 <= x < 1 becomes
// floor(128 x), so the top 8 bits of an integer sample of any depth (an 8-bit file
// gives exactly the values a ".raw" file of the same bytes gives) and floating-point
// samples cut at full scale. The file's own sampling frequency comes with them.
#include <filesystem>
#include <optional>
#include <string>

#include "rawfile/RawFile.h"
#include "state/DataList.h"

namespace quorbel {

// Which sample a file with several channels gives at each instant.
enum class ChannelChoice { first, mean };

// The file dialog's filters: the ".raw" one first, then every kind the window opens.
inline constexpr const char* kSoundFileFilters =
    "Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.flac "
    "*.ogg)|*.raw;*.wav;*.flac;*.ogg";

// True for a name ending in .wav, .flac or .ogg (any case): such a file is decoded.
// Every other name is read as headerless ".raw" bytes.
bool IsSoundFile(const std::filesystem::path& path);

// -128..127 of a sample of full range -1..1: floor(128 x), kept within the range.
int RawScaleSample(double x);

struct SoundRead {
    // length: frames (instants) in the file; n and data as for a ".raw" file.
    RawRead samples;
    int rate = 0;  // sampling frequency, hertz
    int channels = 0;
};

// Decodes the first samples of `path` as ReadRawFile reads a ".raw" file. Nothing
// (and *error says why) when the file cannot be decoded or holds no sample.
std::optional<SoundRead> ReadSoundFile(const std::filesystem::path& path, ChannelChoice choice,
                                       std::string* error);

// sampleList of a transfer from a sound file, as RawSampleList: N samples from
// sample `first` on.
std::optional<DataList> SoundSampleList(const std::filesystem::path& path, int first, int N,
                                        ChannelChoice choice, std::string* error);

}  // namespace quorbel
