// The sound of the function being analysed, without a device: the synthesis at the
// sound's rate against the formula, the window's own samples, the peak and the fades,
// silence and overflow refused, the conversion of rates and the WAV file it is written to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <string>

#include "CaseName.h"
#include "rawfile/SoundFile.h"
#include "sound/Sound.h"
#include "sound/WavFile.h"
#include "state/NumberText.h"
#include "synthesis/WaveSynthesis.h"

namespace quorbel {
namespace {

using testing::PrintedName;
using Kind = WaveFunction::Kind;
constexpr double kTwoPiExact = 2 * std::numbers::pi;

// The function at time t (seconds), written straight from its formula: rows of
// a sin(b 2 pi nu t + phi) or a cos(...), a sine, the sign of a sine, and the
// triangle that follows the sine's phase (2/pi asin(sin x)).
double Formula(const WaveFunction& f, double t) {
    const double x = kTwoPiExact * f.nu * t;
    double sum = 0;
    switch (f.kind) {
        case Kind::MultipleSines:
        case Kind::MultipleCosines:
            for (const WaveRow& r : f.rows)
                sum += r.a * (f.kind == Kind::MultipleSines ? std::sin(r.b * x + r.phi)
                                                            : std::cos(r.b * x + r.phi));
            return sum;
        case Kind::Sine:
            return std::sin(x + f.phi);
        case Kind::Square:
            return std::sin(x + f.phi) >= 0 ? 1 : -1;
        case Kind::Triangular:
            return 2 / std::numbers::pi * std::asin(std::sin(x + f.phi));
    }
    return 0;
}

struct FunctionCase {
    std::string name;
    WaveFunction function;
};
void PrintTo(const FunctionCase& c, std::ostream* os) {
    *os << c.name;
}

WaveFunction Multiple(Kind kind, double nu, std::initializer_list<WaveRow> rows) {
    WaveFunction f{kind, nu, 0, {}};
    std::copy(rows.begin(), rows.end(), f.rows.begin());
    return f;
}

const FunctionCase kFunctions[] = {
    {"sines 440 and 880 Hz", Multiple(Kind::MultipleSines, 440, {{1, 1, 0}, {0.5, 2, 0}})},
    {"three sines with phases",
     Multiple(Kind::MultipleSines, 100, {{2, 1, 0.3}, {0, 7, 1}, {0.25, 3.5, -1.2}, {1, 5, 2}})},
    {"cosines 220 and 660 Hz", Multiple(Kind::MultipleCosines, 220, {{1, 1, 0}, {0.3, 3, 0.5}})},
    {"sine wave 10 Hz phase 1", {Kind::Sine, 10, 1, {}}},
    {"square wave 300 Hz", {Kind::Square, 300, 0.2, {}}},
    {"triangular wave 250 Hz", {Kind::Triangular, 250, 0, {}}},
};

class SoundSynthesis : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(SoundSynthesis, MatchesTheFormulaAt44100Hz) {
    const WaveFunction& f = GetParam().function;
    const int count = kSoundRate / 2;
    const std::vector<double> samples = WaveFunctionSamples(f, kSoundRate, count);
    ASSERT_EQ(samples.size(), static_cast<size_t>(count));
    const bool jumps = f.kind == Kind::Square;
    int compared = 0;
    for (int k = 0; k < count; ++k) {
        const double t = static_cast<double>(k) / kSoundRate;
        // The square wave is only compared away from its jumps, where a rounding of pi
        // may put a sample on the other side.
        if (jumps && std::fabs(std::sin(kTwoPiExact * f.nu * t + f.phi)) < 1e-9) continue;
        ASSERT_NEAR(samples[static_cast<size_t>(k)], Formula(f, t), 1e-9) << "sample " << k;
        ++compared;
    }
    EXPECT_GT(compared, count * 9 / 10);
}

TEST_P(SoundSynthesis, IsTheWindowsOwnSamplesAtTheSoundsRate) {
    // A window of N = 44100 points spans one second: its samples are the sound's.
    const WaveFunction& f = GetParam().function;
    const int M = 4410;
    DataList window;
    switch (f.kind) {
        case Kind::MultipleSines:
        case Kind::MultipleCosines:
            window =
                MultipleWaveSamples(kSoundRate, M, f.nu, f.rows, f.kind == Kind::MultipleSines);
            break;
        case Kind::Sine:
            window = SineSamples(kSoundRate, M, f.nu, f.phi);
            break;
        case Kind::Square:
            window = SquareSamples(kSoundRate, M, f.nu, f.phi);
            break;
        case Kind::Triangular:
            window = TriangularSamples(kSoundRate, M, f.nu, f.phi);
            break;
    }
    const std::vector<double> samples = WaveFunctionSamples(f, kSoundRate, M);
    for (int k = 0; k < M; ++k)
        ASSERT_EQ(NumberText(samples[static_cast<size_t>(k)]), window.Line(k + 1))
            << "sample " << k;
}

TEST_P(SoundSynthesis, PeaksAtEightTenthsOfFullScale) {
    for (const double seconds : {0.1, 1.0, 2.0, 5.0}) {
        std::string error;
        const std::optional<Sound> sound = FunctionSound(GetParam().function, seconds, &error);
        ASSERT_TRUE(sound) << error;
        EXPECT_EQ(sound->rate, kSoundRate);
        EXPECT_EQ(sound->samples.size(), static_cast<size_t>(std::lround(seconds * kSoundRate)));
        double largest = 0;
        for (const double s : sound->samples) largest = std::max(largest, std::fabs(s));
        EXPECT_NEAR(largest, kSoundPeak, 1e-12) << seconds << " s";
    }
}

INSTANTIATE_TEST_SUITE_P(Functions, SoundSynthesis, ::testing::ValuesIn(kFunctions), PrintedName());

struct FadeCase {
    std::string name;
    double rate;
    int count;
    int fade;  // samples each fade is expected to take
};
void PrintTo(const FadeCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundFades : public ::testing::TestWithParam<FadeCase> {};

TEST_P(SoundFades, RiseAndFallLinearlyOverTenMilliseconds) {
    const FadeCase& c = GetParam();
    std::vector<double> samples(static_cast<size_t>(c.count), 1.0);
    FadeEnds(samples, c.rate, kSoundFadeSeconds);
    const auto n = static_cast<size_t>(c.fade);
    for (size_t i = 0; i < samples.size(); ++i) {
        const size_t fromEnd = samples.size() - 1 - i;
        const double expected = i < n         ? static_cast<double>(i) / c.fade
                                : fromEnd < n ? static_cast<double>(fromEnd) / c.fade
                                              : 1.0;
        ASSERT_DOUBLE_EQ(samples[i], expected) << "sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, SoundFades,
                         ::testing::Values(FadeCase{"two seconds at 44100 Hz", 44100, 88200, 441},
                                           FadeCase{"a file at 8000 Hz", 8000, 8192, 80},
                                           FadeCase{"a file at 11025 Hz", 11025, 1000, 110},
                                           FadeCase{"shorter than both fades", 44100, 500, 250},
                                           FadeCase{"one sample", 44100, 1, 0}),
                         PrintedName());

TEST(SoundFadesOfTheFunction, EndsAreSilentAndTheMiddleUntouched) {
    // A steady sine, faded and scaled: its first sample is silent and the envelope over
    // the first 10 ms grows as i / 441.
    std::string error;
    const std::optional<Sound> sound =
        FunctionSound({Kind::Sine, 441, std::numbers::pi / 2, {}}, 1, &error);
    ASSERT_TRUE(sound) << error;
    const std::vector<double>& s = sound->samples;
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);
    // At 441 Hz every 100th sample is a crest of the cosine-phased sine.
    EXPECT_NEAR(s[100], kSoundPeak * 100 / 441, 1e-9);
    EXPECT_NEAR(s[400], kSoundPeak * 400 / 441, 1e-9);
    EXPECT_NEAR(s[500], kSoundPeak, 1e-9);
    EXPECT_NEAR(s[s.size() - 1 - 299], kSoundPeak * 299 / 441, 1e-9);
}

struct RefusedCase {
    std::string name;
    std::vector<double> samples;
    std::string message;
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class SoundRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SoundRefused, WithAMessageNotADivisionByZero) {
    std::string error;
    EXPECT_FALSE(AudibleSound(GetParam().samples, kSoundRate, &error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SoundRefused,
    ::testing::Values(
        RefusedCase{"all zero", std::vector<double>(1000, 0.0), kSilentFunction},
        RefusedCase{"nothing at all", {}, kSilentFunction},
        RefusedCase{"zero but in the fades", {0, 0, 0, 0, 0, 0, 0, 0, 0, 1e-3}, kSilentFunction},
        RefusedCase{"infinite", {0, 1, HUGE_VAL, 1}, kValuesOutOfRange},
        RefusedCase{"not a number", {0, std::nan(""), 1}, kValuesOutOfRange}),
    PrintedName());

TEST(SoundOfAZeroTable, IsRefusedAsSilent) {
    std::string error;
    EXPECT_FALSE(FunctionSound(Multiple(Kind::MultipleSines, 440, {{0, 1, 0}}), 2, &error));
    EXPECT_EQ(error, kSilentFunction);
}

struct RateCase {
    std::string name;
    double from;  // samples per second of the sound
    int to;       // of the output
    double tone;  // hertz
};
void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.name;
}

// The amplitude of a tone of `frequency` in the samples (a single bin of the transform).
double Amplitude(const std::vector<double>& s, double rate, double frequency) {
    double re = 0, im = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        re += s[i] * std::cos(kTwoPiExact * frequency * static_cast<double>(i) / rate);
        im += s[i] * std::sin(kTwoPiExact * frequency * static_cast<double>(i) / rate);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(s.size());
}

class SoundRates : public ::testing::TestWithParam<RateCase> {};

TEST_P(SoundRates, KeepTheToneAndTheDuration) {
    const RateCase& c = GetParam();
    Sound sound{c.from, {}};
    const auto n = static_cast<size_t>(c.from);  // one second
    for (size_t i = 0; i < n; ++i)
        sound.samples.push_back(0.5 *
                                std::sin(kTwoPiExact * c.tone * static_cast<double>(i) / c.from));
    std::string error;
    const std::optional<Sound> converted = Resampled(sound, c.to, &error);
    ASSERT_TRUE(converted) << error;
    EXPECT_EQ(converted->rate, c.to);
    EXPECT_NEAR(static_cast<double>(converted->samples.size()), c.to, c.to * 0.002);
    // Away from the ends, where the converter's filter starts and stops.
    const std::vector<double> middle(converted->samples.begin() + c.to / 10,
                                     converted->samples.end() - c.to / 10);
    EXPECT_NEAR(Amplitude(middle, c.to, c.tone), 0.5, 0.01);
    EXPECT_LT(Amplitude(middle, c.to, c.tone * 1.5), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Conversions, SoundRates,
                         ::testing::Values(RateCase{"1024 to 44100", 1024, 44100, 50},
                                           RateCase{"8192 to 48000", 8192, 48000, 1000},
                                           RateCase{"22050 to 44100", 22050, 44100, 440},
                                           RateCase{"48000 to 44100", 48000, 44100, 3000}),
                         PrintedName());

TEST(SoundRatesBeyondReach, AreRefusedWithAMessage) {
    std::string error;
    EXPECT_FALSE(Resampled({2, {0, 1, 0, -1}}, 44100, &error));
    EXPECT_NE(error.find("2 samples per second cannot be converted"), std::string::npos) << error;
}

struct WavCase {
    std::string name;
    double rate;
    int count;
};
void PrintTo(const WavCase& c, std::ostream* os) {
    *os << c.name;
}

uint32_t Little32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t Little16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1])
                                                                   << 8);
}

class SoundWavFile : public ::testing::TestWithParam<WavCase> {};

TEST_P(SoundWavFile, HeaderSaysSixteenBitMonoAtTheRateAndTheLength) {
    const WavCase& c = GetParam();
    Sound sound{c.rate, {}};
    for (int i = 0; i < c.count; ++i) sound.samples.push_back(0.8 * std::sin(i * 0.01));
    std::string error;
    const std::optional<std::string> bytes = WavBytes(sound, &error);
    ASSERT_TRUE(bytes) << error;
    const std::string& b = *bytes;
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(Little32(b, 4), b.size() - 8);
    EXPECT_EQ(b.substr(8, 4), "WAVE");
    EXPECT_EQ(b.substr(12, 4), "fmt ");
    EXPECT_EQ(Little16(b, 20), 1);  // integer samples
    EXPECT_EQ(Little16(b, 22), 1);  // one channel
    EXPECT_EQ(Little32(b, 24), static_cast<uint32_t>(std::lround(c.rate)));
    EXPECT_EQ(Little16(b, 34), 16);  // bits per sample
    const size_t data = b.find("data");
    ASSERT_NE(data, std::string::npos);
    EXPECT_EQ(Little32(b, data + 4), 2u * c.count);
    EXPECT_EQ(b.size(), data + 8 + 2u * c.count);
    // The largest sample, 0.8 of full scale, in 16 bits.
    int largest = 0;
    for (size_t i = data + 8; i + 1 < b.size(); i += 2)
        largest = std::max(largest, std::abs(static_cast<int16_t>(Little16(b, i))));
    if (c.count > 200) {
        EXPECT_NEAR(largest, 0.8 * 32767, 2);
    }
}

TEST_P(SoundWavFile, ReadsBackAsTheSoundFileItIs) {
    const WavCase& c = GetParam();
    Sound sound{c.rate, std::vector<double>(static_cast<size_t>(c.count), 0.5)};
    std::random_device rd;
    const auto path =
        std::filesystem::temp_directory_path() / ("quorbel-sound-" + std::to_string(rd()) + ".wav");
    std::string error;
    ASSERT_TRUE(WriteWavFile(path, sound, &error)) << error;
    const std::optional<SoundRead> read = ReadSoundFile(path, ChannelChoice::first, &error);
    std::filesystem::remove(path);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->rate, std::lround(c.rate));
    EXPECT_EQ(read->channels, 1);
    EXPECT_EQ(read->samples.length, static_cast<std::uintmax_t>(c.count));
    EXPECT_NEAR(read->samples.data[0], 64, 0.01);  // 0.5 of full scale, +-128
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundWavFile,
                         ::testing::Values(WavCase{"two seconds at 44100 Hz", 44100, 88200},
                                           WavCase{"a file at 22050 Hz", 22050, 8192},
                                           WavCase{"a file at 8000 Hz", 8000, 1024},
                                           WavCase{"a rate of 11025.4 Hz", 11025.4, 100}),
                         PrintedName());

TEST(SoundWavFileRefused, LeavesTheOldFileAndSaysWhy) {
    std::string error;
    EXPECT_FALSE(WavBytes({0, {0.1, 0.2}}, &error));
    EXPECT_NE(error.find("rate of 0 hertz"), std::string::npos) << error;
    EXPECT_FALSE(WriteWavFile(std::filesystem::temp_directory_path() / "no-such-folder-q" / "a.wav",
                              {44100, {0.1}}, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quorbel
