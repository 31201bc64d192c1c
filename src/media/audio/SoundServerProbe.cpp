#include "audio/SoundServerProbe.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>

#include <QObject>
#include <QTimer>
#include <algorithm>

#include "platform/Translation.h"

namespace quorbel {

namespace {

// `why` is the sound system's own text, in its own words.
std::string NoServer(const char* why) {
    return FillIn(Translate("Messages", "no sound server answers (%1)"), {why});
}

// Questions are asked and answered on the program's one thread.
std::optional<ServerSilence> lastAnswer;
int questionsLater = 0;

// A question asked later steps this often, so it answers soon after the server does.
constexpr int kStepEveryMs = 20;

}  // namespace

struct SoundServerQuestion::Connection {
    std::unique_ptr<pa_mainloop, void (*)(pa_mainloop*)> loop{pa_mainloop_new(), pa_mainloop_free};
    std::unique_ptr<pa_context, void (*)(pa_context*)> context{nullptr, pa_context_unref};
    ~Connection() {
        if (context) pa_context_disconnect(context.get());
    }
};

SoundServerQuestion::SoundServerQuestion(std::chrono::milliseconds deadline)
    : connection_(std::make_unique<Connection>()),
      end_(std::chrono::steady_clock::now() + deadline) {
    if (!connection_->loop) {
        answer_ = Translate("Messages", "the sound system cannot be asked");
        return;
    }
    connection_->context.reset(
        pa_context_new(pa_mainloop_get_api(connection_->loop.get()), "FFT Quorbel"));
    if (!connection_->context) {
        answer_ = Translate("Messages", "the sound system cannot be asked");
        return;
    }
    // Asking never starts a server of its own.
    if (pa_context_connect(connection_->context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) <
        0)
        answer_ = NoServer(pa_strerror(pa_context_errno(connection_->context.get())));
}

SoundServerQuestion::~SoundServerQuestion() = default;

std::optional<ServerSilence> SoundServerQuestion::Step(std::chrono::milliseconds wait) {
    using namespace std::chrono;
    const auto stop = std::min(end_, steady_clock::now() + wait);
    while (!answer_) {
        pa_context* context = connection_->context.get();
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) {
            answer_ = ServerSilence();
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state)) {
            answer_ = NoServer(pa_strerror(pa_context_errno(context)));
            break;
        }
        const auto now = steady_clock::now();
        if (now >= end_) {
            answer_ = Translate("Messages", "no sound server answers (it did not reply in time)");
            break;
        }
        // Polls at most 20 ms at a time, and not at all past `stop`, so the
        // deadline and the caller's wait are both kept.
        const auto left = duration_cast<microseconds>(stop - now).count();
        pa_mainloop* loop = connection_->loop.get();
        if (pa_mainloop_prepare(loop, static_cast<int>(std::clamp<long long>(left, 0, 20000))) <
                0 ||
            pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0) {
            answer_ = Translate("Messages", "the sound system cannot be asked");
            break;
        }
        if (steady_clock::now() >= stop && steady_clock::now() < end_) break;
    }
    if (answer_) connection_.reset();
    return answer_;
}

void SoundServerWatch::Moved() {
    lastMove_ = std::chrono::steady_clock::now();
    question_.reset();
}

bool SoundServerWatch::Gone() {
    // Samples come in blocks: a pause this short says nothing yet.
    constexpr std::chrono::milliseconds kQuiet{250};
    if (std::chrono::steady_clock::now() - lastMove_ < kQuiet) return false;
    if (!question_) question_ = std::make_unique<SoundServerQuestion>(deadline_);
    const std::optional<ServerSilence> answer = question_->Step(std::chrono::milliseconds(0));
    if (!answer) return false;
    if (*answer) return true;
    // It answers: its samples are only slow.
    Moved();
    return false;
}

ServerSilence SoundServerSilence(std::chrono::milliseconds deadline) {
    SoundServerQuestion question(deadline);
    std::optional<ServerSilence> answer;
    while (!(answer = question.Step(deadline))) {
    }
    lastAnswer = *answer;
    return *answer;
}

std::optional<ServerSilence> LastSoundServerAnswer() {
    return lastAnswer;
}

bool SoundServerAnsweredLast() {
    return lastAnswer && !*lastAnswer;
}

ServerSilence KnownSoundServerSilence() {
    if (questionsLater > 0) return std::nullopt;
    if (lastAnswer) return *lastAnswer;
    return SoundServerSilence();
}

void AskSoundServerLater(QObject* context, std::function<void()> answered,
                         std::chrono::milliseconds deadline, std::chrono::milliseconds after) {
    auto* timer = new QTimer(context);
    // Counted until answered, or until a context that goes first ends it.
    ++questionsLater;
    auto counted = std::make_shared<bool>(true);
    const auto uncount = [counted] {
        if (*counted) --questionsLater;
        *counted = false;
    };
    QObject::connect(timer, &QObject::destroyed, uncount);
    auto question = std::make_shared<std::unique_ptr<SoundServerQuestion>>();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, question, deadline, uncount, answered = std::move(answered)] {
                         if (!*question) {
                             *question = std::make_unique<SoundServerQuestion>(deadline);
                             timer->setInterval(kStepEveryMs);
                         }
                         const std::optional<ServerSilence> answer =
                             (*question)->Step(std::chrono::milliseconds(0));
                         if (!answer) return;
                         timer->stop();
                         timer->deleteLater();
                         lastAnswer = *answer;
                         uncount();
                         if (answered) answered();
                     });
    timer->start(static_cast<int>(after.count()));
}

}  // namespace quorbel
