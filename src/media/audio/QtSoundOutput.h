#pragma once
// The default sound output through Qt Multimedia: a sound is handed to a QAudioSink
// as 16-bit mono samples at the sound's rate (the sound server converts the rate to
// the device's) and plays while the event loop runs.
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "audio/SoundServerProbe.h"
#include "media/MediaModule.h"

namespace quorbel {

class QtSoundOutput : public QObject, public PlayerOutput {
    Q_OBJECT

  public:
    // A sound whose samples stop moving and whose sound server then does not answer
    // within `stallDeadline` is given up (onCut is told; SoundServerWatch).
    explicit QtSoundOutput(QObject* parent = nullptr,
                           std::chrono::milliseconds stallDeadline = std::chrono::seconds(2));
    ~QtSoundOutput() override;

    // What is known of the sound server (SoundServerProbe.h), then Qt Multimedia's
    // default output device once the server has answered.
    std::optional<std::string> Unavailable() override;
    // The default device's preferred rate; kSoundRate when it names none.
    int DeviceRate() override;
    bool Play(const Sound& sound, std::string* error) override;

    bool WaitUntilPlayed(int marginMs, std::string* error) override;

  private:
    void Stop();
    // Gives the sound up once its sound server stops answering.
    void Watch();

    std::chrono::milliseconds stallDeadline_;
    QTimer watch_;
    std::unique_ptr<SoundServerWatch> server_;  // while a sound plays
    qint64 lastPosition_ = 0;
    // What WaitUntilPlayed does when the sound is cut off, told why.
    std::function<void(const std::string&)> cutHere_;
    std::unique_ptr<QAudioSink> sink_;
    QByteArray samples_;
    int lengthMs_ = 0;  // of the sound started last
    QBuffer buffer_;
};

}  // namespace quorbel
