#pragma once
// libsndfile (sound files other than ".raw") and libsamplerate (the rate of a sound
// played) are loaded on first use, not when the program starts: most sessions open no
// sound file and play nothing, and libsndfile brings half a dozen codec libraries with
// it. The calls are looked up once and kept for the rest of the run.
#include <samplerate.h>
#include <sndfile.h>

#include <string>

namespace quorbel {

struct SndfileCalls {
    decltype(&::sf_open) open;
    decltype(&::sf_open_virtual) openVirtual;
    decltype(&::sf_close) close;
    decltype(&::sf_error) error;
    decltype(&::sf_strerror) strerror;
    decltype(&::sf_command) command;
    decltype(&::sf_format_check) formatCheck;
    decltype(&::sf_readf_double) readfDouble;
    decltype(&::sf_seek) seek;
    decltype(&::sf_write_double) writeDouble;
};

struct SamplerateCalls {
    decltype(&::src_is_valid_ratio) isValidRatio;
    decltype(&::src_simple) simple;
    decltype(&::src_strerror) strerror;
};

// The library's calls; nullptr when it cannot be loaded, with a sentence saying so in
// `why` (in the user's language, without its full stop).
const SndfileCalls* Sndfile(std::string* why = nullptr);
const SamplerateCalls* Samplerate(std::string* why = nullptr);

}  // namespace quorbel
