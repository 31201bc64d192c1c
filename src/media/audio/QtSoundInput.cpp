#include "audio/QtSoundInput.h"

#include <QAudioSource>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <chrono>
#include <cstring>

#include "audio/SoundServerProbe.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel {

namespace {

constexpr const char* kNoInput = QT_TRANSLATE_NOOP(
    "Messages",
    "No sound input can be used: there is no microphone or other recording device, or "
    "no sound server is running.");
// Beyond the recording's own length, the time a recording whose server answers may
// take before it is given up (the server's start-up and its buffers).
constexpr int kRecordGraceMs = 3000;
// The device is read this often while listening, so that frames follow the sound.
constexpr int kReadEveryMs = 20;

}  // namespace

QtSoundInput::QtSoundInput(QObject* parent, std::chrono::milliseconds stallDeadline)
    : QObject(parent), stallDeadline_(stallDeadline) {}

QtSoundInput::~QtSoundInput() {
    Close();
}

bool QtSoundInput::Choose(std::string* error, bool ask) {
    // Without a server the toolkit is not asked at all (SoundServerProbe.h); nor while
    // the server is being asked, and nobody waits for its answer.
    const ServerSilence silence =
        ask ? SoundServerSilence(stallDeadline_) : KnownSoundServerSilence();
    if (silence) {
        *error = Translate("Messages", kNoInput);
        return false;
    }
    if (!SoundServerAnsweredLast()) return true;
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
    // The device's rate is known only once the server has answered.
    if (!source_ && !Choose(&error, !SoundServerAnsweredLast())) return 0;
    return format_.sampleRate();
}

bool QtSoundInput::Open(std::string* error) {
    Close();
    // Asked again: a server that stopped answering since would keep the toolkit
    // waiting for half a minute.
    if (!Choose(error, true)) return false;
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
    watch_ = std::make_unique<SoundServerWatch>(stallDeadline_);
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
    watch_.reset();
}

void QtSoundInput::Drain() {
    if (!stream_ || !take_) return;
    pending_ += stream_->readAll();
    const int width = format_.bytesPerSample();
    const qsizetype count = pending_.size() / width;
    if (count == 0) return;
    if (watch_) watch_->Moved();
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
    bool stalled = false;
    connect(&poll, &QTimer::timeout, this, [&] {
        Drain();
        if (!watch_ || !watch_->Gone()) return;
        stalled = true;
        loop.quit();
    });
    poll.start(kReadEveryMs);
    const int lengthMs = static_cast<int>(1000.0 * frames / format_.sampleRate());
    QTimer::singleShot(lengthMs + kRecordGraceMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    poll.stop();
    Close();
    take_ = nullptr;
    if (recorded.size() < static_cast<std::size_t>(frames)) {
        const std::vector<std::string> counts = {std::to_string(recorded.size()),
                                                 std::to_string(frames)};
        *error = stalled ? FillIn(Translate("Messages",
                                            "the sound input stopped giving samples after %1 of "
                                            "the %2 asked for: its sound server does not answer."),
                                  counts)
                         : FillIn(Translate("Messages",
                                            "the sound input gave %1 of the %2 samples asked for."),
                                  counts);
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
    connect(poll, &QTimer::timeout, this, [this] {
        Drain();
        if (!take_ || !watch_ || !watch_->Gone()) return;
        Stop();
        const double seconds = std::chrono::duration<double>(stallDeadline_).count();
        if (onStopped)
            onStopped(FillIn(Translate("Messages",
                                       "the sound input stopped giving samples, and its sound "
                                       "server did not answer within %1 s."),
                             {NumberText(seconds)}));
    });
    poll->start(kReadEveryMs);
    return true;
}

void QtSoundInput::Stop() {
    take_ = nullptr;
    Close();
}

}  // namespace quorbel
