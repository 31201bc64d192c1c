#include "audio/SoundServerProbe.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>

#include <memory>

#include "platform/Translation.h"

namespace quorbel {

namespace {

// `why` is the sound system's own text, in its own words.
std::string NoServer(const char* why) {
    return FillIn(Translate("Messages", "no sound server answers (%1)"), {why});
}

}  // namespace

std::optional<std::string> SoundServerSilence(std::chrono::milliseconds deadline) {
    const std::unique_ptr<pa_mainloop, void (*)(pa_mainloop*)> loop(pa_mainloop_new(),
                                                                    pa_mainloop_free);
    if (!loop) return Translate("Messages", "the sound system cannot be asked");
    const std::unique_ptr<pa_context, void (*)(pa_context*)> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "FFT Quorbel"), pa_context_unref);
    if (!context) return Translate("Messages", "the sound system cannot be asked");
    // Asking never starts a server of its own.
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return NoServer(pa_strerror(pa_context_errno(context.get())));
    const auto end = std::chrono::steady_clock::now() + deadline;
    std::optional<std::string> silence =
        Translate("Messages", "no sound server answers (it did not reply in time)");
    while (std::chrono::steady_clock::now() < end) {
        const pa_context_state_t state = pa_context_get_state(context.get());
        if (state == PA_CONTEXT_READY) {
            silence.reset();
            break;
        }
        if (!PA_CONTEXT_IS_GOOD(state)) {
            silence = NoServer(pa_strerror(pa_context_errno(context.get())));
            break;
        }
        // Waits at most 20 ms for something to do, so the deadline is kept.
        if (pa_mainloop_prepare(loop.get(), 20000) < 0 || pa_mainloop_poll(loop.get()) < 0 ||
            pa_mainloop_dispatch(loop.get()) < 0)
            break;
    }
    pa_context_disconnect(context.get());
    return silence;
}

std::optional<std::string> SoundServerSilenceOnce(std::chrono::milliseconds deadline) {
    static const std::optional<std::string> silence = SoundServerSilence(deadline);
    return silence;
}

}  // namespace quorbel
