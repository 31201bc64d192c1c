#include "sound/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Translation.h"
#include "sound/SoundLibraries.h"
#include "state/FileReplace.h"

namespace quorbel {

namespace {

// libsndfile writes into a string held here, through its virtual input and output.
struct MemoryFile {
    std::string bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t base = whence == SEEK_CUR   ? file->position
                            : whence == SEEK_END ? static_cast<sf_count_t>(file->bytes.size())
                                                 : 0;
    file->position = std::max<sf_count_t>(0, base + offset);
    return file->position;
}

sf_count_t Read(void* destination, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(file->bytes.size());
    const sf_count_t n = std::clamp<sf_count_t>(size - file->position, 0, count);
    std::memcpy(destination, file->bytes.data() + file->position, static_cast<size_t>(n));
    file->position += n;
    return n;
}

sf_count_t Write(const void* source, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const auto end = static_cast<size_t>(file->position + count);
    if (file->bytes.size() < end) file->bytes.resize(end);
    std::memcpy(file->bytes.data() + file->position, source, static_cast<size_t>(count));
    file->position += count;
    return count;
}

sf_count_t Tell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

}  // namespace

std::optional<std::string> WavBytes(const Sound& sound, std::string* error) {
    const SndfileCalls* sndfile = Sndfile(error);
    if (!sndfile) return std::nullopt;
    SF_INFO info{};
    info.samplerate = static_cast<int>(std::lround(sound.rate));
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (info.samplerate < 1 || !sndfile->formatCheck(&info)) {
        if (error)
            *error =
                "a sound file cannot have a rate of " + std::to_string(info.samplerate) + " hertz";
        return std::nullopt;
    }
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    MemoryFile memory;
    SNDFILE* file = sndfile->openVirtual(&io, SFM_WRITE, &info, &memory);
    if (!file) {
        if (error) *error = sndfile->strerror(nullptr);
        return std::nullopt;
    }
    // Samples beyond full scale are cut, not wrapped round.
    sndfile->command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const auto count = static_cast<sf_count_t>(sound.samples.size());
    const bool written = sndfile->writeDouble(file, sound.samples.data(), count) == count;
    if (!written && error) *error = sndfile->strerror(file);
    // Closing completes the header with the length of the data.
    if (sndfile->close(file) != 0 && written) {
        if (error) *error = Translate("Messages", "the sound file could not be completed");
        return std::nullopt;
    }
    if (!written) return std::nullopt;
    return std::move(memory.bytes);
}

bool WriteWavFile(const std::filesystem::path& path, const Sound& sound, std::string* error) {
    const std::optional<std::string> bytes = WavBytes(sound, error);
    return bytes && ReplaceFile(path, *bytes, FileCalls::System(), error);
}

}  // namespace quorbel
