// Sound files with a header opened in the raw file window, written here by the tests
// with the decoding library itself.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

#include "RawWindowFixture.h"
#include "rawfile/SoundFile.h"
#include "report/Report.h"
#include "state/NumberText.h"

namespace quorbel::testing {
namespace {

constexpr double kTwoPi = 6.28318530717959;

struct Layout {
    int format;  // SF_FORMAT_... container | sample encoding
    int rate;
    int channels;
};

class SoundFileTest : public RawWindowFixture {
  protected:
    // Writes frames of `channels` interleaved left-justified 32-bit samples.
    std::string Write(const std::string& name, const Layout& layout,
                      const std::vector<int>& interleaved) {
        const std::string path = (dir_ / name).string();
        SF_INFO info{};
        info.samplerate = layout.rate;
        info.channels = layout.channels;
        info.format = layout.format;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        if (!file) return path;
        // Whole numbers written to a floating-point file are taken as of full range.
        sf_command(file, SFC_SET_SCALE_INT_FLOAT_WRITE, nullptr, SF_TRUE);
        const sf_count_t frames = static_cast<sf_count_t>(interleaved.size()) / layout.channels;
        EXPECT_EQ(sf_writef_int(file, interleaved.data(), frames), frames);
        sf_close(file);
        return path;
    }
    // `seconds` of tones, channel c at tones[c] hertz, amplitude half the full range.
    std::string WriteTones(const std::string& name, const Layout& layout, double seconds,
                           const std::vector<double>& tones) {
        const int frames = static_cast<int>(seconds * layout.rate);
        std::vector<int> samples;
        for (int k = 0; k < frames; ++k)
            for (int c = 0; c < layout.channels; ++c)
                samples.push_back(static_cast<int>(
                    std::lround(0x40000000 * std::sin(kTwoPi * tones[c] * k / layout.rate))));
        return Write(name, layout, samples);
    }
    void TransferSamples(int first, int last) {
        Drag(first, last);
        ASSERT_TRUE(Transfer());
    }
    // The numbers printed on the report.
    std::vector<double> ReportNumbers() {
        std::vector<double> numbers;
        for (std::string text : form5.Texts()) {
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            if (const std::optional<double> v = ParseNumber(text)) numbers.push_back(*v);
        }
        return numbers;
    }
};

TEST_F(SoundFileTest, TonesTransferAtTheFilesOwnRate) {
    struct Case {
        const char* name;
        Layout layout;
        double seconds;
        std::vector<double> tones;  // per channel
        const char* option;         // the channel choice clicked first
        std::vector<double> found;  // the report lists these within one bin
        const char* cut;            // the window's note on the stretch of a long file, or ""
    };
    const Case cases[] = {
        {"a440.wav",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1},
         1,
         {440},
         "Option1",
         {440},
         "From 0 s: samples 0 to 33999 of 44100"},
        {"tone.flac",
         {SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 22050, 1},
         0.5,
         {1000},
         "Option1",
         {1000},
         ""},
        {"two.ogg",
         {SF_FORMAT_OGG | SF_FORMAT_VORBIS, 32000, 2},
         0.5,
         {440, 1250},
         "Option2",
         {440, 1250},
         ""},
        {"left.ogg",
         {SF_FORMAT_OGG | SF_FORMAT_VORBIS, 32000, 2},
         0.5,
         {1250, 440},
         "Option1",
         {1250},
         ""},
    };
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Raw().Fire(c.option, Event::Click);
        const std::string path = WriteTones(c.name, c.layout, c.seconds, c.tones);
        Raw().Type("Text1", "11025");
        Open(path);
        const int frames = static_cast<int>(c.seconds * c.layout.rate);
        EXPECT_EQ(Raw().BoundText("Text1"), std::to_string(c.layout.rate));
        EXPECT_EQ(Shown("Label7"), std::to_string(frames));
        EXPECT_EQ(Shown("Label18"), std::to_string(std::min(frames, kMaxRawSamples)));
        EXPECT_EQ(C("Label22").visible, *c.cut != '\0');
        EXPECT_EQ(Shown("Label22"), c.cut);
        TransferSamples(0, 4200);
        EXPECT_EQ(State().dataSource, DataSource::RawFile);
        EXPECT_EQ(State().Get(Field::cyclesPerSecond), std::to_string(c.layout.rate));
        EXPECT_EQ(State().Get(Field::totalPoints), "4096");
        ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
        const std::vector<double> numbers = ReportNumbers();
        const double bin = c.layout.rate / 4096.0;
        for (double tone : c.found) {
            SCOPED_TRACE(tone);
            EXPECT_TRUE(std::any_of(numbers.begin(), numbers.end(),
                                    [&](double v) { return std::abs(v - tone) <= bin; }));
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

// Samples keep their value on the scale of full scale +-128, whatever their depth;
// channels give the first or their mean.
TEST_F(SoundFileTest, DepthsAndChannelsReachTheRawScale) {
    struct Case {
        const char* name;
        Layout layout;
        int bits;                 // the depth the values below are written in
        std::vector<int> values;  // interleaved, repeated over 2048 frames
        const char* option;
        std::vector<std::string> lines;  // sampleList lines 1.. of the transfer
    };
    const Case cases[] = {
        {"8-bit as .raw",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1},
         8,
         {0, -128, 127},
         "Option1",
         {"0", "-128", "127", "0"}},
        {"16-bit",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1},
         16,
         {32767, -32768, 256, 255, -1, -256, -257},
         "Option1",
         {"127.99609375", "-128", "1", "0.99609375", "-0.00390625", "-1", "-1.00390625"}},
        {"24-bit",
         {SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 8000, 1},
         24,
         {0x7FFFFF, -0x800000, 0x10000, 0xFFFF, -1},
         "Option1",
         {"127.999984741211", "-128", "1", "0.999984741210938", "-1.52587890625E-05"}},
        {"32-bit float",
         {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 1},
         32,
         {0x40000000, -0x20000000, std::numeric_limits<int>::min(), 0x00400000},
         "Option1",
         {"64", "-32", "-128", "0.25"}},
        {"stereo, first",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2},
         16,
         {2560, 5376, -12800, 12800},
         "Option1",
         {"10", "-50", "10"}},
        {"stereo, mean",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2},
         16,
         {2560, 5376, -12800, 12800},
         "Option2",
         {"15.5", "0", "15.5"}},
        {"three channels, mean",
         {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 3},
         16,
         {256, 512, 1024, -256, -256, -512},
         "Option2",
         {"2.33333333333333", "-1.33333333333333", "2.33333333333333"}},
    };
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Raw().Fire(c.option, Event::Click);
        std::vector<int> samples;
        while (samples.size() < 2048u * c.layout.channels)
            for (int v : c.values)
                samples.push_back(static_cast<int>(static_cast<unsigned>(v) << (32 - c.bits)));
        samples.resize(2048u * c.layout.channels);
        Open(Write(std::string("levels") + (c.layout.format & SF_FORMAT_FLAC ? ".flac" : ".wav"),
                   c.layout, samples));
        TransferSamples(0, 1100);
        const DataList& list = State().sampleList;
        ASSERT_EQ(list.Count(), 1026);
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(list.Line(static_cast<int>(i) + 1), c.lines[i]) << i;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SoundFileTest, ChannelChoiceIsKeptAndReplotsTheOpenFile) {
    Loaded();
    EXPECT_TRUE(C("Option1").checked);
    EXPECT_FALSE(C("Option2").checked);
    const Layout stereo{SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2};
    std::vector<int> samples;
    for (int k = 0; k < 3000; ++k) samples.push_back(-0x40000000), samples.push_back(0x40000000);
    Open(Write("lr.wav", stereo, samples));
    TransferSamples(10, 2000);
    EXPECT_EQ(State().sampleList.Line(1), "-64");
    struct Step {
        const char* option;
        bool first, mean;
        const char* value;  // the first sample transferred from the same selection
    };
    const Step steps[] = {{"Option2", false, true, "0"},
                          {"Option2", false, true, "0"},
                          {"Option1", true, false, "-64"}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.option);
        Raw().Fire(s.option, Event::Click);
        EXPECT_EQ(C("Option1").checked, s.first);
        EXPECT_EQ(C("Option2").checked, s.mean);
        EXPECT_EQ(Raw().Channels(), s.mean ? ChannelChoice::mean : ChannelChoice::first);
        // The selection stays; "Transfer" takes it from the channels now chosen.
        EXPECT_EQ(Shown("Label11"), "10");
        EXPECT_EQ(Shown("Label16"), "1024");
        ASSERT_TRUE(Raw().Fire("Command1", Event::Click));
        EXPECT_EQ(State().sampleList.Line(1), s.value);
    }
}

TEST_F(SoundFileTest, FilesThatCannotBeDecodedAreReportedAndChangeNothing) {
    Loaded();
    const std::string good = (dir_ / "good.wav").string();
    {
        std::vector<int> samples(3000, 0x10000000);
        Write("good.wav", {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1}, samples);
    }
    Open(good);
    struct Case {
        const char* name;
        std::string bytes;  // written as the file; "" with `layout` writes a file of no frame
        const char* message;
    };
    const Case cases[] = {
        {"noise.wav", "not a sound at all, only text",
         "The file \"noise.wav\" is not a sound file this window can open: its content is in "
         "no sound format it knows, and only a name ending in .raw is read as headerless "
         "bytes."},
        {"empty.wav", "", "is empty"},
        {"missing.ogg", "-", "cannot be opened: it does not exist."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (dir_ / c.name).string();
        if (c.bytes.empty())
            Write(c.name, {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1}, {});
        else if (c.bytes != "-")
            std::ofstream(path, std::ios::binary) << c.bytes;
        platform.messages.clear();
        Open(path);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_NE(platform.messages[0].find(c.message), std::string::npos) << platform.messages[0];
        EXPECT_EQ(Shown("Label2"), "good.wav");
        EXPECT_EQ(Raw().BoundText("Text1"), "16000");
        EXPECT_EQ(Shown("Label7"), "3000");
    }
}

// A clean sound keeps its resolution: the report of two tones lists those two and no
// row of quantisation noise, whatever the depth; an 8-bit file still gives the ".raw"
// reader's values bit for bit.
TEST_F(SoundFileTest, TwoTonesReportExactlyTwoRows) {
    struct Case {
        const char* name;
        int format;
    };
    const Case cases[] = {{"tones16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                          {"tones24.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
                          {"tonesfloat.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT}};
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int rate = 44100;
        std::vector<int> samples;
        for (int k = 0; k < rate; ++k)
            samples.push_back(
                static_cast<int>(std::lround(0x30000000 * (std::sin(kTwoPi * 440 * k / rate) +
                                                           std::sin(kTwoPi * 1250 * k / rate)))));
        Open(Write(c.name, {c.format, rate, 1}, samples));
        TransferSamples(0, 16500);
        ASSERT_EQ(State().Get(Field::totalPoints), "16384");
        ASSERT_TRUE(Model().Fire("mnuReport", Event::Click));
        const std::vector<ReportRow> rows =
            ReportRows(State().graphValueList, State().spectrumList, true, rate);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_NEAR(rows[0].frequency, 440, rate / 16384.0);
        EXPECT_NEAR(rows[1].frequency, 1250, rate / 16384.0);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SoundFileTest, EightBitFilesGiveTheRawReadersValuesBitForBit) {
    std::string bytes;
    for (int k = 0; k < 3000; ++k) bytes += static_cast<char>((k * 37 + k / 7) % 256);
    const std::string rawPath = (dir_ / "same.raw").string();
    std::ofstream(rawPath, std::ios::binary) << bytes;
    std::vector<int> samples;
    for (char b : bytes) samples.push_back((static_cast<unsigned char>(b) - 128) * (1 << 24));
    const std::string wavPath =
        Write("same.wav", {SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1}, samples);
    std::string error;
    const std::optional<RawRead> raw = ReadRawFile(rawPath, &error);
    const std::optional<SoundRead> wav = ReadSoundFile(wavPath, ChannelChoice::first, &error);
    ASSERT_TRUE(raw && wav) << error;
    ASSERT_EQ(raw->data.size(), wav->samples.data.size());
    for (size_t i = 0; i < raw->data.size(); ++i) {
        ASSERT_EQ(std::memcmp(&raw->data[i], &wav->samples.data[i], sizeof(double)), 0) << i;
    }
    Loaded();
    Open(rawPath);
    TransferSamples(100, 2200);
    const DataList fromRaw = State().sampleList;
    Open(wavPath);
    TransferSamples(100, 2200);
    EXPECT_EQ(State().sampleList, fromRaw);
    EXPECT_EQ(fromRaw.Line(1), std::to_string(static_cast<unsigned char>(bytes[100]) - 128));
}

// A sound file is recognised by its content, whatever its name; only a ".raw" name
// is read as bytes, and a file that is neither is refused.
TEST_F(SoundFileTest, ContentDecidesWhatIsDecoded) {
    struct Case {
        const char* name;
        int format;           // 0: the text below
        const char* outcome;  // "sound", "raw" or the start of the message
    };
    const Case cases[] = {
        {"bell.oga", SF_FORMAT_OGG | SF_FORMAT_VORBIS, "sound"},
        {"chime.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, "sound"},
        {"beep.au", SF_FORMAT_AU | SF_FORMAT_PCM_16, "sound"},
        {"wave.dat", SF_FORMAT_WAV | SF_FORMAT_PCM_16, "sound"},
        {"noext", SF_FORMAT_CAF | SF_FORMAT_PCM_16, "sound"},
        {"bytes.raw", SF_FORMAT_WAV | SF_FORMAT_PCM_16, "raw"},
        {"notes.txt", 0, "The file \"notes.txt\" is not a sound file this window can open"},
        {"text.wav", 0, "The file \"text.wav\" is not a sound file this window can open"},
    };
    Loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = (dir_ / c.name).string();
        if (c.format) {
            std::vector<int> samples(2000, 0x20000000);
            Write(c.name, {c.format, 12000, 1}, samples);
        } else {
            std::ofstream(path) << "some words of text, more than a header's worth of them\n";
        }
        platform.messages.clear();
        Raw().Type("Text1", "22050");
        Open(path);
        const std::string outcome = c.outcome;
        if (outcome == "sound") {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(Raw().BoundText("Text1"), "12000");
            EXPECT_EQ(Shown("Label7"), "2000");
        } else if (outcome == "raw") {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(Raw().BoundText("Text1"), "22050");
            EXPECT_EQ(Shown("Label7"), std::to_string(std::filesystem::file_size(path)));
        } else {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0].rfind(outcome, 0), 0u) << platform.messages[0];
            // One full stop at the end.
            EXPECT_EQ(platform.messages[0].find(".."), std::string::npos);
            EXPECT_EQ(platform.messages[0].back(), '.');
        }
    }
}

// What is wrong with a sound file is said in the program's words.
TEST_F(SoundFileTest, HeaderFaultsAreSaidPlainly) {
    // A WAV header whose sampling frequency is 0.
    std::string wav = "RIFF";
    auto le32 = [](std::string& s, unsigned v) {
        for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto le16 = [](std::string& s, unsigned v) {
        s += static_cast<char>(v & 0xFF), s += static_cast<char>(v >> 8);
    };
    le32(wav, 36 + 200);
    wav += "WAVEfmt ";
    le32(wav, 16);
    le16(wav, 1), le16(wav, 1);
    le32(wav, 0), le32(wav, 0);  // rate and byte rate 0
    le16(wav, 2), le16(wav, 16);
    wav += "data";
    le32(wav, 200);
    wav += std::string(200, '\x10');
    const std::string path = (dir_ / "rate0.wav").string();
    std::ofstream(path, std::ios::binary) << wav;
    Loaded();
    Open(path);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "The file \"rate0.wav\" is a sound file whose header is incomplete: it states no "
              "sampling frequency, no channel or no sample format that can be used.");
}

// The open dialog keeps the ".raw" filter but starts on the one of every sound file.
TEST_F(SoundFileTest, OpenDialogStartsOnEverySoundFile) {
    Loaded();
    Raw().Fire("mnuOpen", Event::Click);
    ASSERT_EQ(platform.openFilters.size(), 1u);
    ASSERT_EQ(platform.openInitialFilters, std::vector<int>{kSoundFileFilter});
    std::vector<std::string> descriptions;
    std::string filter = platform.openFilters[0];
    for (size_t at = 0, pair = 0; at != std::string::npos; ++pair) {
        const size_t bar = filter.find('|', at);
        if (pair % 2 == 0) descriptions.push_back(filter.substr(at, bar - at));
        at = bar == std::string::npos ? bar : bar + 1;
    }
    ASSERT_EQ(descriptions.size(), 3u);
    EXPECT_EQ(descriptions[0], "Sound Wave Files (*.raw)");
    const std::string& started = descriptions[static_cast<size_t>(kSoundFileFilter)];
    for (const char* pattern : {"*.raw", "*.wav", "*.flac", "*.ogg", "*.oga", "*.aiff", "*.au"})
        EXPECT_NE(started.find(pattern), std::string::npos) << pattern;
    EXPECT_EQ(descriptions[2], "All files (*)");
}

TEST(RawName, OnlyARawNameIsReadAsHeaderlessBytes) {
    const std::pair<const char*, bool> cases[] = {
        {"d.raw", true},   {"e.RAW", true},     {"g.wav.raw", true}, {"a.wav", false},
        {"b.FLAC", false}, {"h.oga", false},    {"f.dat", false},    {"raw", false},
        {".raw", false},   {"x.raw.ogg", false}};
    for (const auto& [name, raw] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IsRawName(name), raw);
    }
}

TEST(RawScaleSample, FullRangeToPlusMinus128KeepingTheValue) {
    const std::pair<double, double> cases[] = {{0, 0},
                                               {1.0 / 128, 1},
                                               {0.999, 127.872},
                                               {1, 128},
                                               {1.5, 128},
                                               {-1.0 / 128, -1},
                                               {-0.001, -0.128},
                                               {-1, -128},
                                               {-3, -128},
                                               {std::nan(""), 0},
                                               {-std::numeric_limits<double>::infinity(), -128}};
    for (const auto& [x, value] : cases) {
        SCOPED_TRACE(x);
        EXPECT_EQ(RawScaleSample(x), value);
    }
    EXPECT_FALSE(std::signbit(RawScaleSample(-0.0)));
}

}  // namespace
}  // namespace quorbel::testing
