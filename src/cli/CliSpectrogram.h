#pragma once
// The spectrogram commands of fftquorbel-cli: the picture through the spectrogram
// window's "Export PNG", and the frames' levels as CSV.
#include <iosfwd>

#include "CliOptions.h"

namespace quorbel::cli {

// Runs "spectrogram FILE OUT.png" or "csv spectrogram FILE"; returns the exit status.
// A QGuiApplication must exist for the picture.
int RunSpectrogram(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quorbel::cli
