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

}  // namespace quorbel
