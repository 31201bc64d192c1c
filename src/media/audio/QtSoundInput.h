#pragma once
// The default sound input of the desktop program and the command-line companion,
// through the toolkit's multimedia module: the default recording device of the
// system's sound server, read as mono samples at the device's preferred rate.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <memory>

#include "audio/SoundServerProbe.h"
#include "sound/SoundInput.h"

class QAudioSource;
class QIODevice;

namespace quorbel {

class QtSoundInput : public QObject, public SoundInput {
    Q_OBJECT

  public:
    // An input whose samples stop and whose sound server then does not answer within
    // `stallDeadline` is given up (SoundServerWatch).
    explicit QtSoundInput(QObject* parent = nullptr,
                          std::chrono::milliseconds stallDeadline = std::chrono::seconds(2));
    ~QtSoundInput() override;

    // What is known of the sound server (SoundServerProbe.h), then the toolkit's
    // default input, asked at every call so that a device plugged in later is found.
    std::optional<std::string> Unavailable() override;
    int Rate() override;
    // Waits in a local event loop that takes no user input, so that no other handler
    // runs meanwhile; gives up once the sound server stops answering, and a few
    // seconds after the recording's own length whatever the device does.
    std::optional<std::vector<double>> Record(int frames, std::string* error) override;
    // Listening stops by itself (onStopped is told) once the sound server stops
    // answering.
    bool Start(Take take, std::string* error) override;
    void Stop() override;

  private:
    // The device and the format it is read in; false (and *error) when there is none.
    // The server is asked again first when `ask` is set, else what is known counts.
    bool Choose(std::string* error, bool ask = false);

    // Starts reading; the samples arrive through Drain.
    bool Open(std::string* error);
    void Close();
    // Reads what the device holds and hands it on as samples -1..1.
    void Drain();

    QAudioDevice device_;
    QAudioFormat format_;
    std::unique_ptr<QAudioSource> source_;
    QPointer<QIODevice> stream_;
    Take take_;
    QByteArray pending_;  // bytes of an incomplete sample
    std::chrono::milliseconds stallDeadline_;
    std::unique_ptr<SoundServerWatch> watch_;  // while reading
};

}  // namespace quorbel
