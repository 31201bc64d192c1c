#include "audio/QtSoundInput.h"

#include <QAudioSource>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <chrono>
#include <cstring>

#include "audio/SoundServerProbe.h"
#include "platform/Translation.h"

namespace quorbel {

namespace {

constexpr const char* kNoInput = QT_TRANSLATE_NOOP(
    "Messages",
    "No sound input can be used: there is no microphone or other recording device, or "
    "no sound server is running.");
// A server that has not answered by then is not waited for (as for the output).
constexpr std::chrono::milliseconds kServerDeadline{2000};
// Beyond the recording's own length, the time a recording may take before it is given
// up (the server's start-up and its buffers).
constexpr int kRecordGraceMs = 3000;
// The device is read this often while listening, so that frames follow the sound.
constexpr int kReadEveryMs = 20;

}  // namespace

QtSoundInput::QtSoundInput(QObject* parent) : QObject(parent) {}

QtSoundInput::~QtSoundInput() {
    Close();
}

bool QtSoundInput::Choose(std::string* error) {
    // Without a server the toolkit is not asked at all (SoundServerProbe.h).
    if (SoundServerSilenceOnce(kServerDeadline)) {
        *error = Translate("Messages", kNoInput);
        return false;
    }
    device_ = QMediaDevices::defaultAudioInput();
    if (device_.isNull()) {
        *error = Translate("Messages", kNoInput);
        return false;
    }
    QAudioFormat format = device_.preferredFormat();
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device_.isFormatSupported(format)) format.setSampleFormat(QAudioFormat::Int16);
    if (format.sampleRate() < 1 || !device_.isFormatSupported(format)) {
        *error = FillIn(Translate("Messages",
                                  "The sound input %1 offers no format of mono samples "
                                  "this program can read."),
                        {device_.description().toStdString()});
        return false;
    }
    format_ = format;
    return true;
}

std::optional<std::string> QtSoundInput::Unavailable() {
    std::string error;
    if (source_) return std::nullopt;  // already in use, so usable
    if (!Choose(&error)) return error;
    return std::nullopt;
}

int QtSoundInput::Rate() {
    std::string error;
    if (!source_ && !Choose(&error)) return 0;
    return format_.sampleRate();
}

bool QtSoundInput::Open(std::string* error) {
    Close();
    if (!Choose(error)) return false;
    source_ = std::make_unique<QAudioSource>(device_, format_);
    // Small buffers: the live view shows the sound within a frame or two.
    source_->setBufferSize(format_.bytesForDuration(4 * kReadEveryMs * 1000));
    stream_ = source_->start();
    if (!stream_ || source_->error() != QAudio::NoError) {
        *error = FillIn(Translate("Messages", "The sound input %1 cannot be started."),
                        {device_.description().toStdString()});
        Close();
        return false;
    }
    connect(stream_, &QIODevice::readyRead, this, &QtSoundInput::Drain);
    return true;
}

void QtSoundInput::Close() {
    if (stream_) disconnect(stream_, nullptr, this, nullptr);
    // Later, not now: Close may run inside a signal of the source or of its timer.
    if (QAudioSource* source = source_.release()) {
        source->stop();
        source->deleteLater();
    }
    stream_ = nullptr;
    pending_.clear();
}

void QtSoundInput::Drain() {
    if (!stream_ || !take_) return;
    pending_ += stream_->readAll();
    const int width = format_.bytesPerSample();
    const qsizetype count = pending_.size() / width;
    if (count == 0) return;
    std::vector<double> samples(static_cast<std::size_t>(count));
    const char* bytes = pending_.constData();
    for (qsizetype i = 0; i < count; ++i)
        samples[static_cast<std::size_t>(i)] = format_.normalizedSampleValue(bytes + i * width);
    pending_.remove(0, count * width);
    // The receiver may stop the input: the samples are handed on last.
    Take take = take_;
    take(samples);
}

std::optional<std::vector<double>> QtSoundInput::Record(int frames, std::string* error) {
    if (frames < 1) return std::vector<double>{};
    std::vector<double> recorded;
    recorded.reserve(static_cast<std::size_t>(frames));
    QEventLoop loop;
    take_ = [&](const std::vector<double>& samples) {
        const std::size_t wanted = static_cast<std::size_t>(frames) - recorded.size();
        recorded.insert(
            recorded.end(), samples.begin(),
            samples.begin() + static_cast<std::ptrdiff_t>(std::min(wanted, samples.size())));
        if (recorded.size() >= static_cast<std::size_t>(frames)) loop.quit();
    };
    if (!Open(error)) {
        take_ = nullptr;
        return std::nullopt;
    }
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, &QtSoundInput::Drain);
    poll.start(kReadEveryMs);
    const int lengthMs = static_cast<int>(1000.0 * frames / format_.sampleRate());
    QTimer::singleShot(lengthMs + kRecordGraceMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    poll.stop();
    Close();
    take_ = nullptr;
    if (recorded.size() < static_cast<std::size_t>(frames)) {
        *error =
            FillIn(Translate("Messages", "the sound input gave %1 of the %2 samples asked for."),
                   {std::to_string(recorded.size()), std::to_string(frames)});
        return std::nullopt;
    }
    return recorded;
}

bool QtSoundInput::Start(Take take, std::string* error) {
    take_ = std::move(take);
    if (!Open(error)) {
        take_ = nullptr;
        return false;
    }
    auto* poll = new QTimer(source_.get());
    connect(poll, &QTimer::timeout, this, &QtSoundInput::Drain);
    poll->start(kReadEveryMs);
    return true;
}

void QtSoundInput::Stop() {
    take_ = nullptr;
    Close();
}

}  // namespace quorbel
