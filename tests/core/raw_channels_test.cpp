// The raw file window says how many channels what it plots has and which is analysed,
// and keeps saying it as the choice, the file or a recording changes.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <fstream>
#include <string>
#include <vector>

#include "RawWindowFixture.h"

namespace quorbel::testing {
namespace {

class RawChannels : public RawWindowFixture {
  protected:
    std::string Wav(int channels) {
        const std::string path = (dir_ / ("c" + std::to_string(channels) + ".wav")).string();
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        const std::vector<short> samples(3000u * static_cast<unsigned>(channels), 100);
        sf_writef_short(file, samples.data(), 3000);
        sf_close(file);
        return path;
    }
};

TEST_F(RawChannels, TheCountAndTheChannelAnalysedFollowTheFileAndTheChoice) {
    Loaded();
    Press("mnuFilesrawItem");
    EXPECT_EQ(Shown("Label24"), "");
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "Option2", "The file has one channel."},
        {2, "Option1", "The file has 2 channels: the first is analysed."},
        {3, "Option2", "The file has 3 channels: their mean is analysed."},
        {6, "Option1", "The file has 6 channels: the first is analysed."}};
    for (const auto& [channels, option, said] : cases) {
        ASSERT_TRUE(
            Raw().Fire(option == std::string("Option1") ? "Option2" : "Option1", Event::Click));
        Open(Wav(channels));
        ASSERT_TRUE(Raw().Fire(option, Event::Click));
        EXPECT_EQ(Shown("Label24"), said);
    }
    const std::string raw = (dir_ / "bytes.raw").string();
    std::ofstream(raw, std::ios::binary) << std::string(3000, '\x80');
    Open(raw);
    EXPECT_EQ(Shown("Label24"), "The file has one channel.");
    Raw().ShowRecording(std::vector<double>(2048, 1.0), 8000);
    EXPECT_EQ(Shown("Label24"), "The recording has one channel.");
}

}  // namespace
}  // namespace quorbel::testing
