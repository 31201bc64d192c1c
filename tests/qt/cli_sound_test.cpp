// The command-line companion's sound: wav FILE writes the sound of "Save f(t) as
// sound..." for --seconds (a raw file's transferred samples at its own rate), and the
// command line refuses a length out of range or a length for a command without sound.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "CompanionRun.h"
#include "rawfile/SoundFile.h"

namespace quorbel {
namespace {

namespace fs = std::filesystem;
using testing::PrintedName;

struct WavCase {
    std::string name;
    std::vector<std::string> options;
    int rate;      // of the file written
    int frames;    // its length
    bool rawFile;  // the options analyse tone.raw of the test's folder
};
void PrintTo(const WavCase& c, std::ostream* os) {
    *os << c.name;
}

class CompanionWav : public ::testing::TestWithParam<WavCase> {};

TEST_P(CompanionWav, WritesTheSoundOfTheFunction) {
    const WavCase& c = GetParam();
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const fs::path dir = folder.path().toStdString();
    std::vector<std::string> arguments = c.options;
    if (c.rawFile) {
        // 2048 bytes of a square-ish tone, an 8-bit ".raw" file.
        std::ofstream raw(dir / "tone.raw", std::ios::binary);
        for (int i = 0; i < 2048; ++i) raw.put(static_cast<char>(i % 20 < 10 ? 200 : 60));
        raw.close();
        arguments.insert(arguments.begin(), {"--raw", (dir / "tone.raw").string(), "--fs", "11025",
                                             "--select", "0,2047"});
    }
    const fs::path wav = dir / "f.wav";
    arguments.insert(arguments.end(), {"wav", wav.string()});
    const testing::CompanionRun run = testing::RunCompanion(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::string error;
    const std::optional<SoundRead> read = ReadSoundFile(wav, ChannelChoice::first, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->rate, c.rate);
    EXPECT_EQ(read->channels, 1);
    EXPECT_EQ(read->samples.length, static_cast<std::uintmax_t>(c.frames));
    double largest = 0;
    for (int i = 0; i < read->samples.n; ++i)
        largest = std::max(largest, std::abs(read->samples.data[static_cast<size_t>(i)]));
    EXPECT_NEAR(largest, 0.8 * 128, 0.01);  // 0.8 of full scale, +-128
}

INSTANTIATE_TEST_SUITE_P(
    Functions, CompanionWav,
    ::testing::Values(
        WavCase{"default two seconds", {}, 44100, 88200, false},
        WavCase{"a tenth of a second", {"--seconds", "0.1"}, 44100, 4410, false},
        WavCase{"a minute of a sine", {"--wave", "sine", "--seconds=60"}, 44100, 2646000, false},
        WavCase{"square wave 3 seconds",
                {"--wave", "square", "--cycles", "300", "--seconds", "3"},
                44100,
                132300,
                false},
        WavCase{"a raw file at its own rate", {}, 11025, 1024, true}),
    PrintedName());

struct UsageCase {
    std::vector<std::string> arguments;
    std::string error;
};
void PrintTo(const UsageCase& c, std::ostream* os) {
    for (const std::string& a : c.arguments) *os << a << " ";
}

class CompanionSoundUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CompanionSoundUsage, IsRefusedWithOneLine) {
    const testing::CompanionRun run = testing::RunCompanion(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "fftquorbel-cli: " + GetParam().error + "\n");
    EXPECT_EQ(run.out, "");
}

const std::string kSecondsRange = "--seconds needs a number of seconds from 0.1 to 60, not ";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CompanionSoundUsage,
    ::testing::Values(UsageCase{{"--seconds", "0.09", "play"}, kSecondsRange + "\"0.09\""},
                      UsageCase{{"--seconds", "61", "wav", "a.wav"}, kSecondsRange + "\"61\""},
                      UsageCase{{"--seconds", "two", "play"}, kSecondsRange + "\"two\""},
                      UsageCase{{"--seconds", "nan", "play"}, kSecondsRange + "\"nan\""},
                      UsageCase{{"--seconds", "2", "samples"},
                                "--seconds applies to wav and play only"},
                      UsageCase{{"wav"}, "wav needs the name of the file to write"},
                      UsageCase{{"play", "wav", "a.wav"}, "more than one command: \"wav\""}),
    PrintedName());

TEST(CompanionWavRefused, ASilentFunctionIsSaidAndNoFileWritten) {
    const QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    std::ofstream(dir / "silent.wr", std::ios::binary)
        << "1024,30\r\n0,1,0\r\n0,2,0\r\n0,3,0\r\n0,4,0\r\n0,5,0\r\n0,6,0\r\n0,7,0\r\n0,8,0\r\n0,9,"
           "0\r\n0,10,0\r\n";
    const testing::CompanionRun run = testing::RunCompanion(
        {"--params", (dir / "silent.wr").string(), "wav", (dir / "f.wav").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The function is zero everywhere: there is nothing to hear.\n");
    EXPECT_FALSE(fs::exists(dir / "f.wav"));
}

}  // namespace
}  // namespace quorbel
