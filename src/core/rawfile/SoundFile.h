#pragma once
// Sound files with a header (WAV, FLAC, Ogg, AIFF, AU, CAF, W64 and every other
// format libsndfile knows), opened in the raw file window beside ".raw" files and
// recognised by their content, whatever their name. Their samples are brought to the
// scale of ".raw" samples, full scale +-128, without losing their resolution: a sample
// x of full range -1 <= x < 1 becomes the real number 128 x (an 8-bit file gives
// exactly the values a ".raw" file of the same bytes gives; floating-point samples
// beyond full scale are cut to +-128). The file's own sampling frequency comes with
// them.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/Translation.h"
#include "rawfile/RawFile.h"
#include "state/DataList.h"

namespace quorbel {

// Which sample a file with several channels gives at each instant.
enum class ChannelChoice { first, mean };

// The file dialog's filters: the ".raw" one, every sound file the window opens (the
// one the dialog starts on, kSoundFileFilter counted from 0), and every file, since a
// sound file is recognised by its content.
inline constexpr const char* kSoundFileFilters = QT_TRANSLATE_NOOP(
    "Filters",
    "Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.flac *.ogg *.oga *.opus "
    "*.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist "
    "*.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;"
    "*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;"
    "*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|All files (*)|*");
inline constexpr int kSoundFileFilter = 1;

// A sample of full range -1..1 on the scale of ".raw" samples: 128 x, kept within
// -128..128; not a number gives silence.
double RawScaleSample(double x);

struct SoundRead {
    // length: frames (instants) in the file; n and data as for a ".raw" file.
    RawRead samples;
    int rate = 0;  // sampling frequency, hertz
    int channels = 0;
    // Not empty when decoding stopped on damage within the samples read: the file
    // then ends there, and this sentence says so.
    std::string damage;
};

// Decodes the samples of `path` from sample `start` on as ReadRawFile reads a ".raw"
// file (a codec that cannot seek is decoded from the file's start). Nothing (and
// *error says why) when the file cannot be decoded, holds no sample, is damaged before
// its first sample or ends before `start`.
std::optional<SoundRead> ReadSoundFile(const std::filesystem::path& path, ChannelChoice choice,
                                       std::string* error, std::uintmax_t start = 0);

// sampleList of a transfer from a sound file, as RawSampleList: N samples from
// sample `first` on.
std::optional<DataList> SoundSampleList(const std::filesystem::path& path, std::int64_t first,
                                        int N, ChannelChoice choice, std::string* error);

}  // namespace quorbel
