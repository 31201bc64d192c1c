// Sound files whose codec cannot seek (GSM 6.10, G.721, and the ADPCM ones beside
// them) and sound files damaged after their header, written here with the decoding
// library itself and cut with the standard library.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CaseName.h"
#include "MonoSoundFile.h"
#include "RawWindowFixture.h"
#include "rawfile/SoundFile.h"
#include "rawfile/SoundStream.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

// `frames` samples of a 440 Hz tone with a slow swell, at 8000 Hz.
std::vector<double> Tone(int frames) {
    std::vector<double> samples(static_cast<size_t>(frames));
    for (int k = 0; k < frames; ++k)
        samples[static_cast<size_t>(k)] =
            (0.3 + 0.2 * std::sin(k / 700.0)) * std::sin(6.28318530717959 * 440 * k / 8000);
    return samples;
}

// The first `bytes` bytes of `from` written to `to`.
void Cut(const fs::path& from, const fs::path& to, std::uintmax_t bytes) {
    std::ifstream in(from, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    content.resize(static_cast<size_t>(std::min<std::uintmax_t>(bytes, content.size())));
    std::ofstream(to, std::ios::binary) << content;
}

struct Codec {
    std::string name;
    int format;
    int frames;  // longer than the graph: a later stretch is read too
};
void PrintTo(const Codec& c, std::ostream* os) {
    *os << c.name;
}

class CodecTest : public RawWindowFixture, public ::testing::WithParamInterface<Codec> {};

// Every selection of a sound whose codec cannot seek transfers the samples plotted
// under it, from a stretch at the file's start or one further on.
TEST_P(CodecTest, SelectionsPastTheFirstSampleTransferWhatWasPlotted) {
    const Codec& c = GetParam();
    const std::string path = (dir_ / "sound.wav").string();
    WriteMonoSound(path, 8000, Tone(c.frames), c.format);
    for (const std::uintmax_t start : {std::uintmax_t{0}, std::uintmax_t{kStretchStep * 3}}) {
        SCOPED_TRACE(start);
        std::string error;
        const std::optional<SoundRead> read =
            ReadSoundFile(path, ChannelChoice::first, &error, start);
        ASSERT_TRUE(read) << error;
        EXPECT_EQ(read->samples.start, start);
        for (const int first : {0, 10, 777, 20000}) {
            const std::optional<DataList> list = SoundSampleList(
                path, static_cast<std::int64_t>(start) + first, 1024, ChannelChoice::first, &error);
            ASSERT_TRUE(list) << first << ": " << error;
            for (int i = 0; i < 1024; i += 97)
                ASSERT_EQ(list->Line(i + 1),
                          NumberText(read->samples.data[static_cast<size_t>(first + i)]))
                    << first << " + " << i;
        }
    }
    // The window's own road: open, drag from sample 10, transfer.
    Loaded();
    Open(path);
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    Drag(10, 2000);
    ASSERT_TRUE(Transfer());
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_EQ(Model().State().sampleList.Whole(0), 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Wav, CodecTest,
    ::testing::Values(Codec{"GSM 6.10", SF_FORMAT_WAV | SF_FORMAT_GSM610, 50000},
                      Codec{"G.721", SF_FORMAT_WAV | SF_FORMAT_G721_32, 50000},
                      Codec{"IMA ADPCM", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 50000},
                      Codec{"MS ADPCM", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 50000}),
    PrintedName());

// A FLAC file cut short: after its header nothing decodes, or its first part does.
class DamagedSound : public RawWindowFixture {
  protected:
    fs::path CutFlac(const std::string& name, double keep) {
        const fs::path whole = dir_ / "whole.flac";
        WriteMonoSound(whole.string(), 8000, Tone(40000), SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        const fs::path cut = dir_ / name;
        const auto size = fs::file_size(whole);
        // A fraction of the file, or (keep < 0) only its first bytes: the header.
        Cut(whole, cut,
            keep < 0 ? static_cast<std::uintmax_t>(-keep)
                     : static_cast<std::uintmax_t>(static_cast<double>(size) * keep));
        return cut;
    }
    SpectrogramWindowModel& S() { return Raw().Spectrogram(); }
};

TEST_F(DamagedSound, OnlyAHeaderIsRefusedEverywhere) {
    const fs::path path = CutFlac("header.flac", -100);
    const std::string expected =
        "The file \"header.flac\" is a damaged sound file: its header can be read, but none "
        "of its samples can be decoded (";
    std::string error;
    EXPECT_FALSE(ReadSoundFile(path, ChannelChoice::first, &error));
    EXPECT_EQ(error.rfind(expected, 0), 0u) << error;
    error.clear();
    EXPECT_EQ(OpenSoundStream(path, ChannelChoice::first, 8000, &error), nullptr);
    EXPECT_EQ(error.rfind(expected, 0), 0u) << error;
    // The window keeps nothing of it, and its spectrogram window does not open.
    Loaded();
    Open(path.string());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind(expected, 0), 0u) << platform.messages[0];
    EXPECT_EQ(Raw().PlottedPoints(), 0);
    EXPECT_FALSE(S().Open(path.string(), ChannelChoice::first, 0));
    EXPECT_FALSE(S().View().shown);
}

TEST_F(DamagedSound, WhatDecodesIsShownAndTheDamageSaid) {
    const fs::path path = CutFlac("half.flac", 0.5);
    Loaded();
    Open(path.string());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("The file \"half.flac\" is damaged after sample "),
              std::string::npos)
        << platform.messages[0];
    // The file ends at the damage: what was plotted is all of it.
    const int plotted = Raw().PlottedPoints();
    EXPECT_GT(plotted, 1024);
    EXPECT_LT(plotted, 40000);
    EXPECT_EQ(Raw().FileLength(), static_cast<std::uintmax_t>(plotted));
    EXPECT_NE(platform.messages[0].find(std::to_string(plotted)), std::string::npos);

    // The spectrogram stops at the damage and says so once.
    platform.messages.clear();
    ASSERT_TRUE(S().Open(path.string(), ChannelChoice::first, 0));
    for (int slice = 0; S().Analysing() && slice < 10000; ++slice) S().AnalyseSlice();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("The file \"half.flac\" is damaged after "),
              std::string::npos)
        << platform.messages[0];
    EXPECT_NE(platform.messages[0].find("the spectrogram stops there."), std::string::npos);
    ASSERT_TRUE(S().Shown());
    EXPECT_LT(S().Shown()->FramesDone(), S().Shown()->Info().frames);
}

}  // namespace
}  // namespace quorbel::testing
