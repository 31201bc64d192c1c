// The tests' own sound server, as the sound tests rely on it: Qt Multimedia finds its
// output and its input as the defaults, a sound played into the output is recorded
// again from the monitor and from the input, and with no server reachable there are no
// devices at all.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "CaseName.h"
#include "SoundServer.h"

namespace quorbel::testing {
namespace {

struct DeviceCase {
    std::string name;
    bool output;  // the default output, else the default input
    std::string id;
};
void PrintTo(const DeviceCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundServerDevices : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(SoundServerDevices, QtMultimediaFindsTheServersDefault) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    const DeviceCase& c = GetParam();
    const QAudioDevice device =
        c.output ? QMediaDevices::defaultAudioOutput() : QMediaDevices::defaultAudioInput();
    ASSERT_FALSE(device.isNull());
    EXPECT_EQ(device.id().toStdString(), c.id);
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    EXPECT_TRUE(device.isFormatSupported(format));
}

INSTANTIATE_TEST_SUITE_P(Defaults, SoundServerDevices,
                         ::testing::Values(DeviceCase{"output is the null sink", true, kTestSink},
                                           DeviceCase{"input is the remapped monitor", false,
                                                      kTestSource}),
                         PrintedName());

struct HeardCase {
    std::string name;
    std::string source;  // where the sound is recorded from
    double frequency;    // hertz
    double amplitude;    // of full scale
};
void PrintTo(const HeardCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundServerLoop : public ::testing::TestWithParam<HeardCase> {};

TEST_P(SoundServerLoop, ToneIntoTheOutputIsRecordedAgain) {
    ASSERT_TRUE(SoundServerAddress())
        << "PULSE_SERVER is not set: run the sound tests through ctest";
    const HeardCase& c = GetParam();
    const SoundFolder folder;
    ASSERT_FALSE(folder.path.empty());
    const std::string file = (folder.path / "tone.raw").string();
    {
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 44100 / 2; ++i) {
            const double v = c.amplitude * std::sin(2 * std::numbers::pi * c.frequency * i / 44100);
            const auto sample = static_cast<int16_t>(std::lround(v * 32767));
            out.put(static_cast<char>(sample & 0xff)).put(static_cast<char>((sample >> 8) & 0xff));
        }
    }
    MonitorRecording recording(44100, c.source);
    ASSERT_TRUE(recording.WaitUntilRecording());
    SinkPlayback playback(file, 44100);
    ASSERT_EQ(playback.Wait(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::vector<double> heard = AudiblePart(recording.Stop());
    ASSERT_GT(heard.size(), 44100u / 4) << "too little of the tone was heard";
    EXPECT_NEAR(ToneAmplitude(heard, 44100, c.frequency), c.amplitude, 0.05 * c.amplitude);
    // A tone an octave away is absent.
    EXPECT_LT(ToneAmplitude(heard, 44100, 2 * c.frequency), 0.02 * c.amplitude);
}

INSTANTIATE_TEST_SUITE_P(
    PlayedWithPaplay, SoundServerLoop,
    ::testing::Values(HeardCase{"440 Hz on the monitor", kTestSinkMonitor, 440, 0.5},
                      HeardCase{"1000 Hz on the monitor", kTestSinkMonitor, 1000, 0.25},
                      HeardCase{"440 Hz on the default input", kTestSource, 440, 0.5}),
    PrintedName());

class NoSoundServerDevices : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(NoSoundServerDevices, QtMultimediaFindsNone) {
    const DeviceCase& c = GetParam();
    const QAudioDevice device =
        c.output ? QMediaDevices::defaultAudioOutput() : QMediaDevices::defaultAudioInput();
    EXPECT_TRUE(device.isNull()) << device.id().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Unreachable, NoSoundServerDevices,
                         ::testing::Values(DeviceCase{"no output", true, ""},
                                           DeviceCase{"no input", false, ""}),
                         PrintedName());

}  // namespace
}  // namespace quorbel::testing
