#pragma once
// A sound file of one channel written by the tests with the decoding library itself.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <string>
#include <vector>

namespace quorbel::testing {

// Writes `samples` (full range -1..1) to `path` at `rate` hertz in `format` (an
// SF_FORMAT_ container | encoding, 16-bit WAV by default). With `wholeNumbers` the
// samples are the integers an integer encoding stores, written exactly.
inline void WriteMonoSound(const std::string& path, int rate, const std::vector<double>& samples,
                           int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16,
                           bool wholeNumbers = false) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    if (wholeNumbers) sf_command(file, SFC_SET_NORM_DOUBLE, nullptr, SF_FALSE);
    const auto frames = static_cast<sf_count_t>(samples.size());
    EXPECT_EQ(sf_writef_double(file, samples.data(), frames), frames);
    sf_close(file);
}

}  // namespace quorbel::testing
