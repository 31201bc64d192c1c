#pragma once
// Whether the desktop's sound server answers, asked with a deadline: Qt Multimedia
// waits up to half a minute for a server that accepts a connection and never answers,
// and neither the window nor a command may freeze meanwhile. The server is found as
// every client of PulseAudio finds it (PULSE_SERVER, the client configuration, the
// user's runtime folder); PipeWire's PulseAudio service answers the same way.
//
// Qt Multimedia connects to the server the first time it is asked about devices and
// keeps what it found; so it is asked only right after a server answered here, and a
// program started without one says so in its own words, where sound is wanted.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QObject;

namespace quorbel {

// A server's answer: nothing when it answered; otherwise why not, one sentence
// without its full stop.
using ServerSilence = std::optional<std::string>;

// The deadline of every question to the server, and of a server that stops answering
// while a sound plays or is recorded.
inline constexpr std::chrono::milliseconds kSoundServerDeadline{2000};

// One question to the server, answered within `deadline` whatever the server does.
// It is worked on in steps, so that a timer can run it without anyone waiting.
class SoundServerQuestion {
  public:
    explicit SoundServerQuestion(std::chrono::milliseconds deadline);
    ~SoundServerQuestion();
    SoundServerQuestion(const SoundServerQuestion&) = delete;
    SoundServerQuestion& operator=(const SoundServerQuestion&) = delete;

    // Works on the question for up to `wait` (0: only what is there now); the answer
    // once there is one.
    std::optional<ServerSilence> Step(std::chrono::milliseconds wait);

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
    std::chrono::steady_clock::time_point end_;
    std::optional<ServerSilence> answer_;
};

// Whether the server behind a stream that plays or records still answers. Samples
// that keep moving say so; once they have not moved for a moment the server is
// asked (in steps, nobody waits), and one that does not answer within the deadline
// counts as gone. A server that answers keeps the stream, however slow its samples.
class SoundServerWatch {
  public:
    explicit SoundServerWatch(std::chrono::milliseconds deadline) : deadline_(deadline) {}
    // Samples came or went just now.
    void Moved();
    // Asked regularly while the stream runs: true once the server counts as gone.
    bool Gone();

  private:
    std::chrono::milliseconds deadline_;
    std::chrono::steady_clock::time_point lastMove_ = std::chrono::steady_clock::now();
    std::unique_ptr<SoundServerQuestion> question_;
};

// Asks now, waiting up to `deadline`; the answer becomes the last one.
ServerSilence SoundServerSilence(std::chrono::milliseconds deadline = kSoundServerDeadline);

// The last answer; nothing before the first.
std::optional<ServerSilence> LastSoundServerAnswer();

// Whether the last answer was the server's: only then may Qt Multimedia be asked.
bool SoundServerAnsweredLast();

// What is known without waiting long: while a question asked later runs, nothing (the
// server counts as answering until it has said otherwise: whoever then uses it asks
// again); else the last answer, or one asked now when there is none.
ServerSilence KnownSoundServerSilence();

// Starts a question that nobody waits for: a timer of `context` works on it, and
// `answered` is told on that object's thread once its answer is the last one.
// Nothing is told when `context` goes first. The server is first called `after` that
// long (the question counts as running from now on).
void AskSoundServerLater(QObject* context, std::function<void()> answered,
                         std::chrono::milliseconds deadline = kSoundServerDeadline,
                         std::chrono::milliseconds after = std::chrono::milliseconds(0));

}  // namespace quorbel
