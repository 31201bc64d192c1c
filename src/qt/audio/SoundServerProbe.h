#pragma once
// Whether the desktop's sound server answers, asked with a deadline: Qt Multimedia
// waits up to half a minute for a server that accepts a connection and never answers,
// and the window must not freeze meanwhile. The server is found as every client of
// PulseAudio finds it (PULSE_SERVER, the client configuration, the user's runtime
// folder); PipeWire's PulseAudio service answers the same way.
#include <chrono>
#include <optional>
#include <string>

namespace quorbel {

// Nothing when a server answered within `deadline`; otherwise why not, one sentence
// without its full stop.
std::optional<std::string> SoundServerSilence(std::chrono::milliseconds deadline);

// The same question asked once for the whole program, its first answer kept. Qt
// Multimedia connects to the server the first time it is asked about devices, keeps
// what it found for good, and prints a warning of its own when no server is there; so
// it is asked only after a server answered here, and a program started without one
// says so in its own words, where sound is wanted, and nowhere else.
std::optional<std::string> SoundServerSilenceOnce(std::chrono::milliseconds deadline);

}  // namespace quorbel
