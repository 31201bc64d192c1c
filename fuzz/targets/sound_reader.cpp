// The raw file window's readers on any bytes: the file named .raw (headerless bytes)
// or with another name (recognised by its content: WAV, FLAC, Ogg, AIFF, ...). Every
// value read lies on the scale of full scale +-128, the plotted points are as many as
// the reader says, and a selection reads back exactly the samples that were plotted.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "rawfile/RawFile.h"
#include "rawfile/SoundFile.h"
#include "state/NumberText.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("quorbel-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckError(const std::string& error) {
    Check(!error.empty() && error.size() < 600 && error.find('\n') == std::string::npos);
    // One full stop at the end, never two.
    Check(error.back() == '.' && error.find("..") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    // The first byte chooses the name and the channel choice, the next four the
    // selection; the rest is the file.
    static const char* const kNames[] = {"f.raw", "f.wav", "f.flac", "f.ogg", "f.oga", "f.dat"};
    const fs::path path = Folder() / kNames[data[0] % 6];
    const quorbel::ChannelChoice choice =
        (data[0] & 0x80) ? quorbel::ChannelChoice::mean : quorbel::ChannelChoice::first;
    const int firstWanted = data[1] | data[2] << 8;
    const int countWanted = 1 + (data[3] | data[4] << 8);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 5), static_cast<std::streamsize>(size - 5));
    }
    std::string error;
    const bool raw = quorbel::IsRawName(path);
    std::optional<quorbel::RawRead> read;
    if (raw) {
        read = quorbel::ReadRawFile(path, &error);
    } else if (auto sound = quorbel::ReadSoundFile(path, choice, &error)) {
        Check(sound->rate >= 1 && sound->channels >= 1);
        read = std::move(sound->samples);
    }
    if (!read) {
        CheckError(error);
        return 0;
    }
    Check(read->n >= 1 && read->n <= quorbel::kMaxRawSamples);
    Check(read->data.size() == static_cast<size_t>(read->n) + 1);
    Check(read->length >= static_cast<std::uintmax_t>(read->n));
    for (double value : read->data) Check(std::isfinite(value) && value >= -128 && value <= 128);
    if (raw)
        for (double value : read->data) Check(value == std::floor(value));

    // A selection within the plotted samples reads back the same values.
    const int first = firstWanted % read->n;
    const int N = std::min(countWanted, read->n - first);
    const std::optional<quorbel::DataList> list =
        raw ? quorbel::RawSampleList(path, first, N, &error)
            : quorbel::SoundSampleList(path, first, N, choice, &error);
    Check(list.has_value());
    Check(list->Count() == N + 2 && list->Whole(0) == N);
    double largest = 0;
    for (int i = 0; i < N; ++i) {
        const double value = read->data[static_cast<size_t>(first + i)];
        Check(list->Line(i + 1) == quorbel::NumberText(value));
        largest = std::max(largest, std::abs(value));
    }
    Check(list->Line(N + 1) == quorbel::NumberText(largest));
    return 0;
}
