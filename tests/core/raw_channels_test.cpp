// The raw file window says how many channels what it plots has and which of them is
// analysed, beside the choice of the first channel or their mean, and keeps saying it
// as the choice changes, a ".raw" file or a recording replaces the file, or the window
// is used again for another file.
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
    // A WAV file of `channels` channels, 3000 frames of quiet noise.
    std::string WriteWav(int channels) {
        const std::string path = (dir_ / ("c" + std::to_string(channels) + ".wav")).string();
        SF_INFO info{};
        info.samplerate = 8000;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        if (!file) return path;
        std::vector<short> samples(3000u * static_cast<unsigned>(channels));
        for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<short>(i % 97);
        sf_writef_short(file, samples.data(), 3000);
        sf_close(file);
        return path;
    }
    std::string WriteRaw() {
        const std::string path = (dir_ / "bytes.raw").string();
        std::ofstream(path, std::ios::binary) << std::string(3000, '\x80');
        return path;
    }
};

TEST_F(RawChannels, NothingIsSaidBeforeAFileIsPlotted) {
    Loaded();
    Press("mnuFilesrawItem");
    EXPECT_EQ(Shown("Label24"), "");
    EXPECT_EQ(Raw().ChannelCount(), 0);
}

TEST_F(RawChannels, TheCountAndTheChannelAnalysedFollowTheFileAndTheChoice) {
    struct Case {
        int channels;
        const char* option;
        const char* said;
    };
    const Case cases[] = {
        {1, "Option1", "The file has one channel."},
        {1, "Option2", "The file has one channel."},
        {2, "Option1", "The file has 2 channels: the first is analysed."},
        {2, "Option2", "The file has 2 channels: their mean is analysed."},
        {3, "Option1", "The file has 3 channels: the first is analysed."},
        {3, "Option2", "The file has 3 channels: their mean is analysed."},
        {6, "Option2", "The file has 6 channels: their mean is analysed."},
        {6, "Option1", "The file has 6 channels: the first is analysed."},
    };
    Loaded();
    Press("mnuFilesrawItem");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.channels) + " " + c.option);
        // Chosen before the file is opened, and again after it: both say the same.
        ASSERT_TRUE(Raw().Fire(c.option, Event::Click));
        Open(WriteWav(c.channels));
        EXPECT_EQ(Raw().ChannelCount(), c.channels);
        EXPECT_EQ(Shown("Label24"), c.said);
        const char* other = c.option == std::string("Option1") ? "Option2" : "Option1";
        ASSERT_TRUE(Raw().Fire(other, Event::Click));
        ASSERT_TRUE(Raw().Fire(c.option, Event::Click));
        EXPECT_EQ(Shown("Label24"), c.said);
        EXPECT_TRUE(C("Label24").visible);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RawChannels, ARawFileAndARecordingHaveOneChannel) {
    Loaded();
    Press("mnuFilesrawItem");
    Open(WriteWav(3));
    Open(WriteRaw());
    EXPECT_EQ(Raw().ChannelCount(), 1);
    EXPECT_EQ(Shown("Label24"), "The file has one channel.");
    Open(WriteWav(2));
    Raw().ShowRecording(std::vector<double>(2048, 1.0), 8000);
    EXPECT_EQ(Raw().ChannelCount(), 1);
    EXPECT_EQ(Shown("Label24"), "The recording has one channel.");
}

// A file that cannot be read leaves what was plotted, and what is said of it.
TEST_F(RawChannels, AnUnreadableFileLeavesTheCountAlone) {
    Loaded();
    Press("mnuFilesrawItem");
    Open(WriteWav(4));
    const std::string bad = (dir_ / "bad.wav").string();
    std::ofstream(bad, std::ios::binary) << "RIFF not really";
    Open(bad);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(Raw().ChannelCount(), 4);
    EXPECT_EQ(Shown("Label24"), "The file has 4 channels: the first is analysed.");
}

}  // namespace
}  // namespace quorbel::testing
