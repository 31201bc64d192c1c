#pragma once
// A sound as a 16-bit mono WAV file, encoded by libsndfile and written by the
// program's one file writer (the old file untouched until the new one is complete).
#include <filesystem>
#include <optional>
#include <string>

#include "sound/Sound.h"

namespace quorbel {

// The file's bytes: a WAV header for one channel of 16-bit samples at the sound's
// rate (rounded to whole hertz), then the samples. Nothing (and why) when libsndfile
// refuses the rate.
std::optional<std::string> WavBytes(const Sound& sound, std::string* error);

// Writes the sound to `path` (ReplaceFile); false with the reason in `error`.
bool WriteWavFile(const std::filesystem::path& path, const Sound& sound, std::string* error);

}  // namespace quorbel
