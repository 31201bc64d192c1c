#include "sound/SoundLibraries.h"

#include <dlfcn.h>

#include <cstring>
#include <optional>
#include <type_traits>

#include "platform/Translation.h"

namespace quorbel {

namespace {

// The library by its shared-object name, and each call by its name, in the order of
// the members of `Calls` (all of them function pointers).
template <class Calls>
struct Loaded {
    std::optional<Calls> calls;
    std::string failure;  // the loader's own words when it failed
};

template <class Calls, size_t N>
Loaded<Calls> Load(const char* soname, const char* const (&names)[N]) {
    static_assert(sizeof(Calls) == N * sizeof(void*));
    Loaded<Calls> loaded;
    void* library = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = ::dlerror();
        loaded.failure = why ? why : soname;
        return loaded;
    }
    void* found[N];
    for (size_t i = 0; i < N; ++i) {
        found[i] = ::dlsym(library, names[i]);
        if (!found[i]) {
            loaded.failure = std::string(soname) + ": " + names[i];
            return loaded;  // the library stays loaded; nothing else is tried
        }
    }
    Calls calls;
    static_assert(std::is_trivially_copyable_v<Calls>);
    std::memcpy(&calls, found, sizeof calls);
    loaded.calls = calls;
    return loaded;
}

template <class Calls>
const Calls* Answer(const Loaded<Calls>& loaded, const char* library, std::string* why) {
    if (loaded.calls) return &*loaded.calls;
    if (why)
        *why = FillIn(Translate("Messages", "The library %1 cannot be loaded (%2)"),
                      {library, loaded.failure});
    return nullptr;
}

}  // namespace

const SndfileCalls* Sndfile(std::string* why) {
    static const char* const names[] = {
        "sf_open",    "sf_open_virtual", "sf_close",        "sf_error", "sf_strerror",
        "sf_command", "sf_format_check", "sf_readf_double", "sf_seek",  "sf_write_double"};
    static const auto loaded = Load<SndfileCalls>(QUORBEL_SNDFILE_SONAME, names);
    return Answer(loaded, "libsndfile", why);
}

const SamplerateCalls* Samplerate(std::string* why) {
    static const char* const names[] = {"src_is_valid_ratio", "src_simple", "src_strerror"};
    static const auto loaded = Load<SamplerateCalls>(QUORBEL_SAMPLERATE_SONAME, names);
    return Answer(loaded, "libsamplerate", why);
}

}  // namespace quorbel
