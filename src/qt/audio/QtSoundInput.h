#pragma once
// The default sound input of the desktop program and the command-line companion,
// through the toolkit's multimedia module: the default recording device of the
// system's sound server, read as mono samples at the device's preferred rate.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QPointer>
#include <memory>

#include "sound/SoundInput.h"

class QAudioSource;
class QIODevice;

namespace quorbel {

class QtSoundInput : public QObject, public SoundInput {
    Q_OBJECT

  public:
    explicit QtSoundInput(QObject* parent = nullptr);
    ~QtSoundInput() override;

    // Asked of the toolkit at every call, so that a device plugged in later is found.
    std::optional<std::string> Unavailable() override;
    int Rate() override;
    // Waits in a local event loop that takes no user input, so that no other handler
    // runs meanwhile; gives up a few seconds after the recording's own length.
    std::optional<std::vector<double>> Record(int frames, std::string* error) override;
    bool Start(Take take, std::string* error) override;
    void Stop() override;

  private:
    // The device and the format it is read in; false (and *error) when there is none.
    bool Choose(std::string* error);
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
};

}  // namespace quorbel
