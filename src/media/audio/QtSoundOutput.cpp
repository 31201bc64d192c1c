#include "audio/QtSoundOutput.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "audio/SoundServerProbe.h"
#include "platform/Translation.h"

namespace quorbel {

namespace {

// A playing sound is watched this often for samples taken.
constexpr int kWatchEveryMs = 100;
// Beyond the output's buffer, what the server may still take to play the last samples.
constexpr int kDrainMarginMs = 100;
constexpr qint64 kBufferMicroseconds = 250000;

std::string ErrorText(QAudio::Error error) {
    switch (error) {
        case QAudio::OpenError:
            return Translate("Messages", "the sound output cannot be opened");
        case QAudio::IOError:
            return Translate("Messages", "the sound output stopped taking samples");
        case QAudio::UnderrunError:
            return Translate("Messages", "the sound output ran out of samples");
        case QAudio::FatalError:
            return Translate("Messages", "the sound output failed");
        case QAudio::NoError:
            break;
    }
    return "";
}

}  // namespace

QtSoundOutput::QtSoundOutput(QObject* parent, std::chrono::milliseconds stallDeadline)
    : QObject(parent), stallDeadline_(stallDeadline) {
    watch_.setInterval(kWatchEveryMs);
    connect(&watch_, &QTimer::timeout, this, &QtSoundOutput::Watch);
}

QtSoundOutput::~QtSoundOutput() {
    Stop();
}

std::optional<std::string> QtSoundOutput::Unavailable() {
    std::optional<std::string> why = KnownSoundServerSilence();
    // Qt Multimedia is asked only once a server has answered (SoundServerProbe.h).
    if (!why && SoundServerAnsweredLast() && QMediaDevices::defaultAudioOutput().isNull())
        why = Translate("Messages", "the sound server has no output device");
    if (why) *why += ".";
    return why;
}

int QtSoundOutput::DeviceRate() {
    const int rate = QMediaDevices::defaultAudioOutput().preferredFormat().sampleRate();
    return rate > 0 ? rate : kSoundRate;
}

void QtSoundOutput::Stop() {
    watch_.stop();
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
}

bool QtSoundOutput::Play(const Sound& sound, std::string* error) {
    Stop();
    // Asked again at every sound: a server that stopped answering since would keep Qt
    // Multimedia waiting for half a minute.
    if (const ServerSilence silence = SoundServerSilence(stallDeadline_)) {
        if (error) *error = *silence + ".";
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        if (error) *error = Translate("Messages", "there is no sound output device.");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(std::lround(sound.rate)));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        if (error)
            *error =
                FillIn(Translate("Messages", "the sound output cannot play %1 samples per second."),
                       {std::to_string(format.sampleRate())});
        return false;
    }
    samples_.resize(static_cast<qsizetype>(sound.samples.size() * sizeof(qint16)));
    auto* out = reinterpret_cast<qint16*>(samples_.data());
    for (const double s : sound.samples)
        *out++ = static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    lengthMs_ = static_cast<int>(
        std::ceil(1000.0 * static_cast<double>(sound.samples.size()) / format.sampleRate()));
    buffer_.setBuffer(&samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A quarter of a second ahead: a busy machine does not starve the output.
    sink_->setBufferSize(format.bytesForDuration(kBufferMicroseconds));
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        if (error) *error = ErrorText(sink_->error()) + ".";
        Stop();
        return false;
    }
    lastPosition_ = 0;
    server_ = std::make_unique<SoundServerWatch>(stallDeadline_);
    watch_.start();
    return true;
}

void QtSoundOutput::Watch() {
    if (!sink_ || buffer_.pos() >= buffer_.size()) {
        // Every sample has been handed on: the rest is the server's.
        watch_.stop();
        return;
    }
    if (buffer_.pos() != lastPosition_) {
        lastPosition_ = buffer_.pos();
        server_->Moved();
        return;
    }
    if (!server_->Gone()) return;
    const std::string why =
        Translate("Messages", "the sound server stopped taking samples, so the sound was cut off.");
    if (cutHere_) cutHere_(why);
    Stop();
    if (onCut) onCut(why);
}

bool QtSoundOutput::WaitUntilPlayed(int marginMs, std::string* error) {
    if (!sink_) {
        if (error) *error = Translate("Messages", "no sound is playing.");
        return false;
    }
    QEventLoop loop;
    bool ended = false, played = false, cut = false;
    cutHere_ = [&](const std::string& why) {
        cut = true;
        if (error) *error = why;
        loop.quit();
    };
    const auto check = [&] {
        if (cut) return;
        const QAudio::State state = sink_->state();
        if (state != QAudio::IdleState && state != QAudio::StoppedState) return;
        // Idle once the last sample is out; stopped only on failure.
        ended = true;
        played = sink_->error() == QAudio::NoError || sink_->error() == QAudio::UnderrunError;
        if (!played && error) *error = ErrorText(sink_->error()) + ".";
        loop.quit();
    };
    connect(sink_.get(), &QAudioSink::stateChanged, &loop, check);
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(lengthMs_ + marginMs);
    check();
    if (!ended) loop.exec();
    cutHere_ = nullptr;
    if (cut) return false;
    if (!ended && error) *error = Translate("Messages", "the sound was not played in time.");
    if (played) {
        // Idle means the last sample has been handed to the sound server, which still
        // holds up to a buffer's worth: a program that ended now would cut it off.
        const QAudioFormat format = sink_->format();
        const int bufferMs = static_cast<int>(
            1000.0 * sink_->bufferSize() / std::max(1, format.bytesForFrames(format.sampleRate())));
        timer.start(bufferMs + kDrainMarginMs);
        loop.exec();
    }
    return played;
}

}  // namespace quorbel
