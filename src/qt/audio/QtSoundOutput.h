#pragma once
// The default sound output through Qt Multimedia: a sound is handed to a QAudioSink
// as 16-bit mono samples at the sound's rate (the sound server converts the rate to
// the device's) and plays while the event loop runs.
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <memory>

#include "sound/SoundOutput.h"

namespace quorbel {

class QtSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT

  public:
    explicit QtSoundOutput(QObject* parent = nullptr);
    ~QtSoundOutput() override;

    // Asks the sound server (two seconds at most), then Qt Multimedia for the default
    // output device. The answer is kept: Qt Multimedia connects to the server once.
    std::optional<std::string> Unavailable() override;
    // The default device's preferred rate; kSoundRate when it names none.
    int DeviceRate() override;
    bool Play(const Sound& sound, std::string* error) override;

    // Runs the event loop until the sound started last has been played (true), has
    // failed, or its length and `marginMs` more have passed (false, with the reason in
    // `error`).
    bool WaitUntilPlayed(int marginMs, std::string* error);

  private:
    void Stop();

    std::optional<std::optional<std::string>> unavailable_;  // asked once
    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    int lengthMs_ = 0;  // of the sound started last
    QBuffer buffer_;
};

}  // namespace quorbel
