// The streaming short-time transform behind the spectrogram: which bin is strongest
// in each frame of a tone that changes, the frames' times, the 0 dB of a full-scale
// sine, files too short for a frame, and a memory that does not grow with the sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "CaseName.h"
#include "GeneratedStream.h"
#include "MonoSoundFile.h"
#include "rawfile/SoundStream.h"
#include "spectrogram/Spectrogram.h"

namespace quorbel::testing {
namespace {

constexpr double kTwoPi = 6.28318530717959;

std::function<double(std::int64_t)> Tone(double hertz, double rate, double amplitude = 1) {
    return [=](std::int64_t k) { return amplitude * std::sin(kTwoPi * hertz * k / rate); };
}

std::unique_ptr<Spectrogram> StartOn(std::unique_ptr<SoundStream> stream, StftSettings settings) {
    std::string error;
    std::unique_ptr<Spectrogram> s = Spectrogram::Start(std::move(stream), settings, "x", &error);
    EXPECT_TRUE(s) << error;
    return s;
}

// --- a tone stepping from 440 Hz to 880 Hz at 1 s

struct StepCase {
    double rate;
    int frame, hop;
    friend void PrintTo(const StepCase& c, std::ostream* os) {
        *os << c.rate << "Hz_frame" << c.frame << "_hop" << c.hop;
    }
};

class SteppedTone : public ::testing::TestWithParam<StepCase> {};

TEST_P(SteppedTone, StrongestBinFollowsTheStep) {
    const StepCase c = GetParam();
    const double rate = c.rate;
    // The phase goes on without a jump where the pitch doubles.
    auto sample = [rate](std::int64_t k) {
        const double t = k / rate;
        return t < 1 ? std::sin(kTwoPi * 440 * t) : std::sin(kTwoPi * (440 + 880 * (t - 1)));
    };
    const StftSettings settings{c.frame, c.hop};
    auto spectrogram = StartOn(
        std::make_unique<GeneratedStream>(rate, static_cast<std::int64_t>(2 * rate), sample),
        settings);
    ASSERT_TRUE(spectrogram);
    const long low = std::lround(440 * c.frame / rate), high = std::lround(880 * c.frame / rate);
    int before = 0, after = 0;
    spectrogram->onFrame = [&](std::int64_t k, const std::vector<double>& power) {
        const double t = StftFrameTime(k, settings, rate);
        const long strongest = std::max_element(power.begin(), power.end()) - power.begin();
        if (t < 0.95) {
            EXPECT_EQ(strongest, low) << "frame " << k << " at " << t << " s";
            ++before;
        } else if (t > 1.05) {
            EXPECT_EQ(strongest, high) << "frame " << k << " at " << t << " s";
            ++after;
        }
    };
    spectrogram->Advance(1 << 30);
    EXPECT_TRUE(spectrogram->Done());
    EXPECT_GT(before, 10);
    EXPECT_GT(after, 10);
}

INSTANTIATE_TEST_SUITE_P(Spectrogram, SteppedTone,
                         ::testing::Values(StepCase{44100, 2048, 512}, StepCase{8000, 256, 64},
                                           StepCase{16000, 1024, 1024}, StepCase{4000, 256, 1}),
                         PrintedName());

// --- frame count and times

struct TimeCase {
    double rate;
    std::int64_t length;
    int frame, hop;
    std::int64_t frames;
    double firstTime, lastTime;  // centres, seconds
    friend void PrintTo(const TimeCase& c, std::ostream* os) {
        *os << c.length << "_samples_frame" << c.frame << "_hop" << c.hop;
    }
};

class FrameTimes : public ::testing::TestWithParam<TimeCase> {};

TEST_P(FrameTimes, FullFramesAtTheirCentres) {
    const TimeCase c = GetParam();
    const StftSettings settings{c.frame, c.hop};
    EXPECT_EQ(StftFrameCount(c.length, settings), c.frames);
    auto spectrogram =
        StartOn(std::make_unique<GeneratedStream>(c.rate, c.length, Tone(100, c.rate)), settings);
    ASSERT_TRUE(spectrogram);
    std::vector<double> times;
    spectrogram->onFrame = [&](std::int64_t k, const std::vector<double>&) {
        times.push_back(StftFrameTime(k, settings, c.rate));
    };
    spectrogram->Advance(1 << 30);
    ASSERT_EQ(static_cast<std::int64_t>(times.size()), c.frames);
    EXPECT_DOUBLE_EQ(times.front(), c.firstTime);
    EXPECT_DOUBLE_EQ(times.back(), c.lastTime);
    EXPECT_EQ(spectrogram->Percent(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Spectrogram, FrameTimes,
    ::testing::Values(
        // (k hop + frame / 2) / fs for k = 0 and the last full frame.
        TimeCase{44100, 44100, 2048, 512, 83, 1024 / 44100.0, (82 * 512 + 1024) / 44100.0},
        TimeCase{8000, 256, 256, 64, 1, 128 / 8000.0, 128 / 8000.0},
        TimeCase{8000, 1000, 256, 256, 3, 128 / 8000.0, (2 * 256 + 128) / 8000.0},
        TimeCase{1000, 5000, 1024, 1, 3977, 0.512, (3976 + 512) / 1000.0}),
    PrintedName());

// --- levels: a full-scale sine on a bin reads 0 dB

struct LevelCase {
    int frame;
    int bin;
    double amplitude;
    double db;  // expected level of that bin
    friend void PrintTo(const LevelCase& c, std::ostream* os) {
        *os << "frame" << c.frame << "_bin" << c.bin << "_amplitude" << c.amplitude;
    }
};

class SineLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(SineLevel, ReadsDecibelsOfFullScale) {
    const LevelCase c = GetParam();
    const double rate = 48000;
    const double hertz = c.bin * rate / c.frame;
    auto spectrogram = StartOn(
        std::make_unique<GeneratedStream>(rate, 4 * c.frame, Tone(hertz, rate, c.amplitude)),
        {c.frame, c.frame / 2});
    ASSERT_TRUE(spectrogram);
    spectrogram->Advance(1 << 30);
    for (int column = 0; column < spectrogram->Info().columns; ++column) {
        EXPECT_NEAR(spectrogram->Level(column, c.bin), c.db, 1e-3) << "column " << column;
        // Two bins away the Hann window leaves nothing of a tone on a bin.
        EXPECT_LT(spectrogram->Level(column, c.bin + 2), -100);
    }
}

INSTANTIATE_TEST_SUITE_P(Spectrogram, SineLevel,
                         ::testing::Values(LevelCase{2048, 100, 1, 0}, LevelCase{256, 5, 1, 0},
                                           LevelCase{16384, 3000, 1, 0},
                                           LevelCase{1024, 40, 0.5, -6.02059991327962},
                                           LevelCase{4096, 7, 0.001, -60}),
                         PrintedName());

// --- a column is the mean of its frames

TEST(SpectrogramColumns, AverageTheFramesTheyCover) {
    const double rate = 1000;
    // 8192 frames into 4096 columns: two frames each, of a tone whose level changes.
    auto spectrogram =
        StartOn(std::make_unique<GeneratedStream>(rate, 8192 * 256,
                                                  [rate](std::int64_t k) {
                                                      return (1 + (k / 256) % 3) / 4.0 *
                                                             std::sin(kTwoPi * 125 * k / rate);
                                                  }),
                {256, 256});
    ASSERT_TRUE(spectrogram);
    ASSERT_EQ(spectrogram->Info().columns, kMaxSpectrogramColumns);
    std::vector<double> bin32;
    spectrogram->onFrame = [&](std::int64_t, const std::vector<double>& power) {
        bin32.push_back(power[32]);
    };
    spectrogram->Advance(1 << 30);
    for (int column : {0, 1, 7, 2048, 4095}) {
        const double mean = (bin32[2 * column] + bin32[2 * column + 1]) / 2;
        EXPECT_NEAR(spectrogram->Power(column, 32), mean, mean * 1e-6) << "column " << column;
    }
}

// --- the columns take the same powers whether the frames are listed or not

class ListedOrNot : public ::testing::TestWithParam<int> {};

TEST_P(ListedOrNot, GiveTheSameColumns) {
    const int frame = GetParam();
    // A hop that is not a power of two: frames start at every alignment.
    const StftSettings settings{frame, frame / 3 + 1};
    const auto sound = [] {
        return std::make_unique<GeneratedStream>(8000, 40 * 16384, [](std::int64_t k) {
            return std::sin(0.37 * k) * std::cos(1e-6 * k * k) + 0.01 * ((k * 7919) % 101 - 50);
        });
    };
    auto listed = StartOn(sound(), settings), unlisted = StartOn(sound(), settings);
    ASSERT_TRUE(listed && unlisted);
    listed->onFrame = [](std::int64_t, const std::vector<double>&) {};
    listed->Advance(1 << 30);
    unlisted->Advance(1 << 30);
    // The noise leaves no bin empty.
    for (int c = 0; c < listed->Info().columns; ++c)
        for (int b = 0; b < listed->Info().bins; ++b) {
            ASSERT_EQ(listed->Power(c, b), unlisted->Power(c, b)) << c << " " << b;
            ASSERT_GT(listed->Power(c, b), 0) << c << " " << b;
        }
}

INSTANTIATE_TEST_SUITE_P(Spectrogram, ListedOrNot, ::testing::Values(256, 2048, 16384));

// --- files that give no spectrogram

class SpectrogramFiles : public ::testing::Test {
  protected:
    SpectrogramFiles() {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() /
               ("quorbel-stft-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
    }
    ~SpectrogramFiles() override { std::filesystem::remove_all(dir_); }

    std::string Wav(const std::string& name, int frames, int rate = 8000) {
        const std::string path = (dir_ / name).string();
        WriteMonoSound(path, rate,
                       std::vector<double>(static_cast<size_t>(frames), 1000 / 32768.0));
        return path;
    }
    std::string Bytes(const std::string& name, std::size_t count) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << std::string(count, '\x90');
        return path;
    }
    // The spectrogram of `path`, or the message that it has none.
    std::unique_ptr<Spectrogram> Analyse(const std::string& path, int frame, std::string* error) {
        std::unique_ptr<SoundStream> stream =
            OpenSoundStream(path, ChannelChoice::first, 8000, error);
        if (!stream) return nullptr;
        return Spectrogram::Start(std::move(stream), {frame, frame / 4},
                                  std::filesystem::path(path).filename().string(), error);
    }

    std::filesystem::path dir_;
};

TEST_F(SpectrogramFiles, TooShortGivesAMessageAndNoPicture) {
    struct Case {
        std::string path;
        int frame;
        const char* message;
    };
    const Case cases[] = {
        {Bytes("empty.wav", 0), 2048, "\"empty.wav\" is empty"},
        {Bytes("empty.raw", 0), 2048, "\"empty.raw\" is empty"},
        {Wav("header.wav", 0), 2048, "\"header.wav\" is empty"},
        {Wav("short.wav", 1000), 2048,
         "\"short.wav\" holds 1000 samples, fewer than one frame of 2048 points"},
        {Wav("almost.wav", 2047), 2048, "holds 2047 samples, fewer than one frame of 2048"},
        {Bytes("short.raw", 255), 256, "\"short.raw\" holds 255 samples, fewer than one frame"},
        {Wav("one.wav", 1), 256, "holds 1 sample, fewer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        EXPECT_FALSE(Analyse(c.path, c.frame, &error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    // One more sample makes a frame.
    std::string error;
    auto exact = Analyse(Wav("exact.wav", 2048), 2048, &error);
    ASSERT_TRUE(exact) << error;
    EXPECT_EQ(exact->Info().frames, 1);
}

TEST_F(SpectrogramFiles, ThirtyMinutesStreamThroughAFixedMemory) {
    // Thirty minutes of 8-bit bytes at 1000 Hz: 1.8 million samples on disk.
    const std::int64_t length = 30 * 60 * 1000;
    const std::string path = Bytes("long.raw", static_cast<std::size_t>(length));
    std::string error;
    std::unique_ptr<SoundStream> stream = OpenSoundStream(path, ChannelChoice::first, 1000, &error);
    ASSERT_TRUE(stream) << error;
    auto spectrogram = Spectrogram::Start(std::move(stream), {256, 128}, "long.raw", &error);
    ASSERT_TRUE(spectrogram) << error;
    // After the first block is read, nothing more is ever held.
    spectrogram->Advance(1000);
    const std::size_t bytes = spectrogram->Bytes();
    while (!spectrogram->Advance(1000)) EXPECT_EQ(spectrogram->Bytes(), bytes);
    EXPECT_EQ(spectrogram->FramesDone(), (length - 256) / 128 + 1);
    EXPECT_EQ(spectrogram->Bytes(), bytes);
    // The byte 0x90 is 16/128 of full scale: DC at 0 Hz, weighted by the window's sum.
    EXPECT_NEAR(spectrogram->Level(4095, 0), 20 * std::log10(2 * 16 / 128.0), 1e-4);
}

struct MemoryCase {
    double rate;
    int frame, hop;
    friend void PrintTo(const MemoryCase& c, std::ostream* os) {
        *os << c.rate << "Hz_frame" << c.frame << "_hop" << c.hop;
    }
};

class SpectrogramMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(SpectrogramMemory, TenTimesLongerHoldsNoMore) {
    const MemoryCase c = GetParam();
    auto held = [&c](double minutes, std::size_t* largestRead) {
        auto stream = std::make_unique<GeneratedStream>(
            c.rate, static_cast<std::int64_t>(minutes * 60 * c.rate), Tone(440, c.rate));
        GeneratedStream& source = *stream;
        auto spectrogram = StartOn(std::move(stream), {c.frame, c.hop});
        spectrogram->Advance(50);
        *largestRead = source.largestRead;
        return spectrogram->Bytes();
    };
    std::size_t read30 = 0, read300 = 0;
    const std::size_t thirty = held(30, &read30), longer = held(300, &read300);
    EXPECT_EQ(longer, thirty);
    EXPECT_EQ(read300, read30);
    // The grid of at most 4096 x 1025 single-precision cells and a few frames.
    EXPECT_LT(thirty, 20u << 20);
    EXPECT_LE(read30, static_cast<std::size_t>(c.frame) + 16384);
}

INSTANTIATE_TEST_SUITE_P(Spectrogram, SpectrogramMemory,
                         ::testing::Values(MemoryCase{44100, 2048, 512},
                                           MemoryCase{44100, 16384, 16384},
                                           MemoryCase{48000, 256, 1}),
                         PrintedName());

// --- settings

struct SettingsCase {
    int frame, hop;
    const char* error;  // "" when usable
    friend void PrintTo(const SettingsCase& c, std::ostream* os) {
        *os << "frame" << c.frame << "_hop" << c.hop;
    }
};

class StftSettingsCheck : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(StftSettingsCheck, RefusesWhatIsNoFrame) {
    const SettingsCase c = GetParam();
    const std::optional<std::string> error = StftSettingsError({c.frame, c.hop});
    EXPECT_EQ(error.value_or(""), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Spectrogram, StftSettingsCheck,
    ::testing::Values(
        SettingsCase{2048, 512, ""}, SettingsCase{256, 256, ""}, SettingsCase{16384, 1, ""},
        SettingsCase{128, 32,
                     "The frame must be a power of two from 256 to 16384 points, not 128."},
        SettingsCase{3000, 100,
                     "The frame must be a power of two from 256 to 16384 points, not 3000."},
        SettingsCase{32768, 100,
                     "The frame must be a power of two from 256 to 16384 points, not 32768."},
        SettingsCase{1024, 0, "The hop must be from 1 to the frame's 1024 points, not 0."},
        SettingsCase{1024, 1025, "The hop must be from 1 to the frame's 1024 points, not 1025."}),
    PrintedName());

TEST(HannFrame, PeriodicWeights) {
    for (int points : {8, 256, 2048}) {
        const std::vector<double> w = HannWeights(points);
        ASSERT_EQ(static_cast<int>(w.size()), points);
        EXPECT_EQ(w[0], 0);
        EXPECT_DOUBLE_EQ(w[static_cast<size_t>(points / 2)], 1);
        EXPECT_NEAR(w[static_cast<size_t>(points / 4)], 0.5, 1e-14);
        double sum = 0;
        for (double x : w) sum += x;
        EXPECT_NEAR(sum, points / 2.0, 1e-9);
    }
}

}  // namespace
}  // namespace quorbel::testing
